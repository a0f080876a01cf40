#include "analyses/performance_table.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/record_curve.hpp"
#include "model/time_format.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CalculatedState;
using Kind = PerformanceTableKind;

// The state after the main window's "Calculate" button on `form`.
ModelState ButtonCalculated(MainFormInputs& form) {
    ModelState state = CalculatedState(form);
    state.calculated = 1;
    return state;
}

PerformanceTableRequest Request(Kind kind, std::string minimum = "60", std::string interval = "5",
                                std::string level = "100") {
    return {kind, std::move(minimum), std::move(interval), std::move(level)};
}

std::vector<std::string> TableLines(const PerformanceTable& table) {
    LineBuffer sink;
    WritePerformanceTable(table, sink);
    EXPECT_TRUE(sink.CurrentLine().empty());
    return sink.Lines();
}

TEST(PerformanceTable, DefaultGeneralTableHasTheRecordTimesInItsLastColumn) {
    MainFormInputs form;
    ModelState state = StartUpState(form);
    state.sex = "m";
    RecordingNotifier notifier;
    const auto table = GeneratePerformanceTable(state, Request(Kind::General), form, notifier);
    ASSERT_TRUE(table);
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(table->caption, "Performance Levels (Open Male)");
    const std::vector<std::string> lines = TableLines(*table);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0],
              " Level (%):     60        65        70        75        80        85        90   "
              "     95        100 ");
    EXPECT_EQ(lines[1], "");
    // Six rows, an empty line, six rows ...; every label nine characters but " half mara".
    ModelState records = StartUpState(form);
    for (std::size_t r = 0; r < table->rows.size(); ++r) {
        const PerformanceTableRow& row = table->rows[r];
        const std::string& line = lines[2 + r + r / 6];
        EXPECT_EQ(lines[8 + r / 6 * 7], "");
        const std::size_t labelWidth = row.label == " half mara" ? 10 : 9;
        EXPECT_EQ(row.label.size(), labelWidth);
        EXPECT_EQ(line.substr(0, labelWidth), row.label);
        EXPECT_EQ(line.substr(labelWidth, 11 - labelWidth), std::string(11 - labelWidth, ' '));
        const double record = TimeAtLevel(records, "m", 1.0, row.distance, 1.0);
        EXPECT_DOUBLE_EQ(row.times[8], record);
        EXPECT_EQ(line.substr(91, 10), FormatTime(record));
        EXPECT_GT(row.times[0], row.times[1]);  // 60 % is slower than 65 %
    }
    EXPECT_EQ(lines[2].substr(91), "       9.8");   // 9.761 s, the men's 100 m
    EXPECT_EQ(lines[28].substr(91), " 2:06:05  ");  // 2:06:04.9, the marathon
}

TEST(PerformanceTable, TimesByAgeAtFullLevelAreTheAgeGradedRecords) {
    MainFormInputs form;
    ModelState state = StartUpState(form);
    state.sex = "m";
    RecordingNotifier notifier;
    const auto table = GeneratePerformanceTable(state, Request(Kind::TimesByAge, "40", "20", "100"),
                                                form, notifier);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->caption, "Performances by Age (Male Level 100)");
    EXPECT_EQ(TableLines(*table)[0].substr(0, 20), " Age (yr):      40  ");
    // The 10 000 m open record times the men's age factors at level 1.
    const PerformanceTableRow& tenK = table->rows[17];
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_NEAR(tenK.times[c], 1582.563 * AgeFactorAt(40.0 + 20.0 * c, 10000, 1, "m"), 0.01);
    }
    EXPECT_EQ(state.ageFlag, 0);  // restored
    EXPECT_EQ(state.age, 35.0);   // the main window's age box
}

TEST(PerformanceTable, CaptionRulesInTheirOrder) {
    const std::vector<std::tuple<Kind, const char*, int, const char*, const char*>> cases = {
        {Kind::General, "m", 0, "100", "Performance Levels (Open Male)"},
        {Kind::General, "f", 0, "100", "Performance Levels (Open Female)"},
        {Kind::General, "m", 1, "100", "Performance Levels (Male Age 35.5)"},
        {Kind::General, "f", 1, "100", "Performance Levels (Female Age 35.5)"},
        {Kind::TimesByAge, "m", 0, " 90x", "Performances by Age (Male Level  90x)"},
        {Kind::TimesByAge, "f", 1, "80", "Performances by Age (Female Level 80)"},
        {Kind::Individual, "f", 1, "100", "Predicted Performances at Various Ages"},
        {Kind::Individual, "m", 0, "100", "Predicted Performances at Various Ages"},
    };
    for (const auto& [kind, sex, agecomp, level, caption] : cases) {
        MainFormInputs form;
        form.txtage = "35.5";
        form.agecomp = agecomp;
        if (std::string(sex) == "f") {
            SelectFemale(form);
        }
        ModelState state = ButtonCalculated(form);
        state.sex = sex;
        RecordingNotifier notifier;
        const auto table =
            GeneratePerformanceTable(state, Request(kind, "60", "5", level), form, notifier);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->caption, caption);
    }
}

// The individual table fits nine runners of its own; the runner's fit is untouched.
TEST(PerformanceTable, IndividualTableKeepsTheRunnersFitAndMatchesItAtTheRunnersAge) {
    MainFormInputs form = test_support::EnduranceRunner();
    ModelState state = ButtonCalculated(form);
    const ModelState before = state;
    RecordingNotifier notifier;
    const auto table =
        GeneratePerformanceTable(state, Request(Kind::Individual, "35", "5"), form, notifier);
    ASSERT_TRUE(table);
    EXPECT_TRUE(notifier.Messages().empty());
    const auto fit = [](const ModelState& s) {
        return std::tuple(s.aerobicPower, s.anaerobicEnergy, s.refDist, s.raceDist, s.adjTime,
                          s.perfLevel, s.curDist, s.ageFlag, s.ageTableFlag, s.syntheticMode);
    };
    EXPECT_EQ(fit(state), fit(before));
    // At the runner's own age the synthetic runner is the runner again.
    EXPECT_NEAR(table->rows[4].times[0], state.pred800, 0.05);
    EXPECT_NEAR(table->rows[14].times[0], state.pred5000, 0.5);
    // The times are what the headless runs left.
    for (std::size_t r = 0; r < table->rows.size(); ++r) {
        EXPECT_EQ(table->rows[r].times[3], state.levelTableTimes[r + 1][3]);
    }
}

// Past the peak ages (below 30 years at every distance of the table) the runner's predicted
// times rise with age at every distance, for runners of either sex and kind, up to 110 years
// (once the 100 m took 49.6 s at 70 but 47.2 s at 75, and the marathon got faster from 80 to 90).
TEST(PerformanceTable, IndividualTimesRiseWithAgePastThePeak) {
    struct Runner {
        MainFormInputs form;
        bool female;
        const char* age;
    };
    const Runner runners[] = {{test_support::EnduranceRunner(), false, "35"},
                              {test_support::SprintRunner(), false, "70"},
                              {test_support::EnduranceRunner(), true, "75"},
                              {test_support::SprintRunner(), true, "50"}};
    for (const Runner& runner : runners) {
        MainFormInputs form = runner.form;
        form.optmale = !runner.female;
        form.optfemale = runner.female;
        form.txtage = runner.age;
        ModelState state = ButtonCalculated(form);
        RecordingNotifier notifier;
        for (const char* minimum : {"30", "70"}) {
            const std::string interval = minimum[0] == '3' ? "10" : "5";
            const auto table = GeneratePerformanceTable(
                state, Request(Kind::Individual, minimum, interval), form, notifier);
            ASSERT_TRUE(table);
            for (const PerformanceTableRow& row : table->rows) {
                for (std::size_t c = 1; c < row.times.size(); ++c) {
                    EXPECT_GT(row.times[c], row.times[c - 1])
                        << (runner.female ? "f " : "m ") << runner.age << row.label << " age "
                        << table->columns[c];
                }
            }
        }
    }
}

TEST(PerformanceTable, IndividualTableNeedsACompletedCalculate) {
    MainFormInputs form;
    ModelState state = StartUpState(form);
    RecordingNotifier notifier;
    const PerformanceTableRequest request = Request(Kind::Individual);
    EXPECT_FALSE(GeneratePerformanceTable(state, request, form, notifier));
    // A button press whose run stopped before any fit leaves no predictions either.
    state.calculated = 1;
    EXPECT_FALSE(GeneratePerformanceTable(state, request, form, notifier));
    EXPECT_EQ(notifier.Messages(),
              std::vector<Message>(2, {kMustCalculateFirstMessage, "", false}));
    EXPECT_EQ(state.levelTableDist[1], 0.0);
    // The other two kinds need no runner.
    EXPECT_TRUE(GeneratePerformanceTable(state, Request(Kind::General), form, notifier));
}

TEST(PerformanceTable, ColumnValuesNoCurveCanUseAreRefusedNamingTheBox) {
    const std::vector<std::pair<PerformanceTableRequest, const char*>> cases = {
        {Request(Kind::General, "", "5"), "The Minimum box must hold a number."},
        {Request(Kind::TimesByAge, "60", "five"), "The Interval box must hold a number."},
        {Request(Kind::TimesByAge, "60", "5", "x"),
         "The level box of \"Times by age for level\" must hold a number."},
        {Request(Kind::General, "0", "5"),
         "The Minimum must be above 0: a performance level of 0 or less has no times."},
        {Request(Kind::Individual, "-1", "5"),
         "The Minimum must be above 0: an age of 0 or less has no times."},
        {Request(Kind::TimesByAge, "30", "-4"),
         "The Interval takes the last column to 0 or less: every age must be above 0."},
        {Request(Kind::General, "1e308", "1e308"),
         "The Minimum and Interval give columns beyond the range of numbers: make them smaller."},
        {Request(Kind::General, "1e308", "5"),
         "The Minimum and Interval take a column above 1000: every performance level must be at "
         "most 1000."},
        {Request(Kind::General, "1040", "-5"),
         "The Minimum and Interval take a column above 1000: every performance level must be at "
         "most 1000."},
        {Request(Kind::Individual, "170", "5"),
         "The Minimum and Interval take a column above 200: every age must be at most 200."},
        {Request(Kind::TimesByAge, "30", "5", "1e10"),
         "The level of \"Times by age for level\" must be at most 1000."},
        {Request(Kind::TimesByAge, "30", "5", "0"),
         "The level of \"Times by age for level\" must be above 0: a performance level of 0 or "
         "less has no times."},
    };
    MainFormInputs form;
    ModelState state = ButtonCalculated(form);
    const ModelState before = state;
    for (const auto& [request, message] : cases) {
        RecordingNotifier notifier;
        EXPECT_FALSE(GeneratePerformanceTable(state, request, form, notifier)) << message;
        ASSERT_EQ(notifier.Messages().size(), 1u);
        EXPECT_EQ(notifier.Messages()[0].text, message);
    }
    EXPECT_EQ(state.levelTableDist, before.levelTableDist);
    EXPECT_EQ(state.age, before.age);
    EXPECT_EQ(state.aerobicPower, before.aerobicPower);
    // Stray characters after a number are read past, as in every box; a level box that is no
    // number matters only to the table that uses it.
    RecordingNotifier notifier;
    EXPECT_TRUE(
        GeneratePerformanceTable(state, Request(Kind::General, "60%", "5 ", "x"), form, notifier));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST(PerformanceTable, WideValuesWidenTheLinesInsteadOfBreakingThem) {
    MainFormInputs form;
    ModelState state = StartUpState(form);
    state.sex = "f";
    RecordingNotifier notifier;
    const auto table = GeneratePerformanceTable(
        state, Request(Kind::General, "999.123456", "0.000001"), form, notifier);
    ASSERT_TRUE(table);
    const std::vector<std::string> lines = TableLines(*table);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0].substr(0, 39), " Level (%):     999.123456  999.123457 ");
    const auto slow =
        GeneratePerformanceTable(state, Request(Kind::General, "2", "1"), form, notifier);
    ASSERT_TRUE(slow);
    // At 2 % the marathon takes days: each time still follows the one before on its line.
    const std::vector<std::string> slowLines = TableLines(*slow);
    ASSERT_EQ(slowLines.size(), 30u);
    EXPECT_GT(slowLines[28].size(), 101u);
}

TEST(PerformanceTable, MaximumIsMinimumPlusEightIntervals) {
    EXPECT_EQ(MaximumText("60", "5"), " 100");
    EXPECT_EQ(MaximumText(" 20 yrs", "2.5"), " 40");
    EXPECT_EQ(MaximumText("-10", "1"), "-2");
    EXPECT_EQ(MaximumText("", "abc"), " 0");
    EXPECT_EQ(MaximumText("0.1", "0.1"), " .9");
}

}  // namespace
}  // namespace kestrova
