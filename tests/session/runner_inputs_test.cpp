#include "session/runner_inputs.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::TickedRaceRow;

TEST(RunnerInputs, RaceWordsFillTheRowAsTyped) {
    struct Case {
        const char* distance;
        const char* time;
        RaceRowInputs row;
    };
    const std::vector<Case> cases = {
        {"5km", "18:07", TickedRaceRow("0", "18", "07", "5", DistanceUnit::Kilometers)},
        {"10000m", "1:02:03.5", TickedRaceRow("1", "02", "03.5", "10000", DistanceUnit::Meters)},
        {"3mi", "900", TickedRaceRow("0", "0", "900", "3", DistanceUnit::Miles)},
        {"880yd", "2:10.4", TickedRaceRow("0", "2", "10.4", "880", DistanceUnit::Yards)},
        {"1.5mi", "7:30", TickedRaceRow("0", "7", "30", "1.5", DistanceUnit::Miles)},
        {"mara", "3:05:00", TickedRaceRow("3", "05", "00", "", DistanceUnit::Marathon)},
        {"hmara", "1:25:30", TickedRaceRow("1", "25", "30", "", DistanceUnit::HalfMarathon)},
    };
    for (const Case& c : cases) {
        RaceRowInputs row;
        EXPECT_EQ(SetRaceRow(row, c.distance, c.time), std::nullopt) << c.distance;
        EXPECT_EQ(row, c.row) << c.distance << ' ' << c.time;
    }
}

TEST(RunnerInputs, RefusesWordsThatAreNotARace) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"5k", "18:07"},   {"km", "18:07"},      {"0km", "18:07"},   {"-5km", "18:07"},
        {"5 km", "18:07"}, {"2mara", "3:00:00"}, {"5e3m", "18:07"},  {"5km", ""},
        {"5km", "18:"},    {"5km", ":07"},       {"5km", "1:2:3:4"}, {"5km", "18.5:07"},
        {"5km", "18m07s"}, {"5km", "-18:07"},    {"5km", "1..2"},    {"", "18:07"},
    };
    for (const auto& [distance, time] : cases) {
        RaceRowInputs row;
        EXPECT_NE(SetRaceRow(row, distance, time), std::nullopt) << distance << ' ' << time;
        EXPECT_EQ(row, RaceRowInputs{}) << "a refused race leaves the row as it was";
    }
}

TEST(RunnerInputs, ProfileFieldsSetTheControlsTheirWindowHas) {
    struct Case {
        const char* field;
        const char* value;
        std::function<bool(const MainFormInputs&)> holds;
    };
    const std::vector<Case> cases = {
        {"sex", "f", [](const MainFormInputs& f) { return f.optfemale && !f.optmale; }},
        {"sex", "m", [](const MainFormInputs& f) { return f.optmale && !f.optfemale; }},
        {"weekly-miles", "150",
         [](const MainFormInputs& f) { return f.HScroll1 == 150 && f.txtkm == "241"; }},
        {"weekly-km", "60",  // 37.28 miles
         [](const MainFormInputs& f) { return f.HScroll1 == 37 && f.txtmi == "37"; }},
        {"weight-kg", "58",  // 127.6 lb
         [](const MainFormInputs& f) { return f.wtscrl == 128 && f.txkg == "58.18"; }},
        {"weight-kg", "72.7",  // 159.94 lb: the bar stays, and so does its "72.7"
         [](const MainFormInputs& f) { return f.wtscrl == 160 && f.txkg == "72.7"; }},
        {"weight-lb", "300",
         [](const MainFormInputs& f) { return f.wtscrl == 300 && f.txkg == "136.36"; }},
        {"fit", "best-two", [](const MainFormInputs& f) { return f.Option7 && !f.Option8; }},
        {"level", "99.5",
         [](const MainFormInputs& f) { return f.HScroll2 == 995 && f.Text5 == "99.5"; }},
        {"level", "105", [](const MainFormInputs& f) { return f.HScroll2 == 1050; }},
        {"age-graded", "", [](const MainFormInputs& f) { return f.agecomp == 0; }},
    };
    for (const Case& c : cases) {
        MainFormInputs form;
        const auto setter = RunnerFieldNamed(c.field);
        ASSERT_TRUE(setter.has_value()) << c.field;
        EXPECT_EQ((*setter)(form, c.value), std::nullopt) << c.field << ' ' << c.value;
        EXPECT_TRUE(c.holds(form)) << c.field << ' ' << c.value;
    }
    EXPECT_FALSE(RunnerFieldNamed("name").has_value());
}

TEST(RunnerInputs, RefusedProfileValuesLeaveTheFormAsItWas) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"age", "old"},
        {"age", "-3"},
        {"sex", "x"},
        {"sex", "F"},
        {"weekly-miles", "151"},
        {"weekly-miles", "20.5"},
        {"weekly-km", "250"},
        {"weight-kg", "13"},
        {"weight-kg", "137"},
        {"weight-lb", "29"},
        {"weight-lb", "1e2"},
        {"fit", "best"},
        {"level", "105.1"},
        {"level", "-1"},
        {"level", "nan"},
        {"age-graded", "maybe"},
        {"weekly-miles", ""},
        {"weight-lb", "99999999999999999999"},
    };
    for (const auto& [field, value] : cases) {
        MainFormInputs form;
        const auto error = (*RunnerFieldNamed(field))(form, value);
        ASSERT_TRUE(error.has_value()) << field << ' ' << value;
        EXPECT_NE(error->find(std::string("'") + value + "'"), std::string::npos) << *error;
        EXPECT_EQ(form, MainFormInputs{}) << field << ' ' << value;
    }
}

}  // namespace
}  // namespace kestrova
