#include <gtest/gtest.h>

#include <utility>

#include <gmock/gmock.h>

#include "form_builder.hpp"
#include "model/runner_profile.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

using test_support::FormBuilder;
using test_support::ModelRun;
using ::testing::ElementsAre;

TEST(InputStage, ValidationMessagesNameTheRowAndStopTheRun) {
    const std::pair<MainFormInputs, std::string> cases[] = {
        {FormBuilder().Race(2, "0", "0", "", "400", DistanceUnit::Meters).Build(),
         "Bad time entry in row # 3"},
        {FormBuilder().Race(0, "0", "20", "0", "zero", DistanceUnit::Kilometers).Build(),
         "Bad distance entry in row # 1"},
        {[] {
             MainFormInputs f =
                 FormBuilder().Race(1, "0", "20", "0", "5", DistanceUnit::Miles).Build();
             f.rows[1].unitOption.fill(false);
             return f;
         }(),
         "Bad distance entry in row # 2"},
        {FormBuilder().Race(4, "0", "0", "8.0", "100", DistanceUnit::Meters).Build(),
         "Way too fast in row # 5"},
        {FormBuilder().Race(0, "10", "0", "0", "5", DistanceUnit::Kilometers).Build(),
         "Way too slow in row # 1"},
        {FormBuilder().Race(0, "0", "-20", "0", "5", DistanceUnit::Kilometers).Build(),
         "Way too slow in row # 1"},
        {FormBuilder().Race(2, "-1", "0", "0", "-5", DistanceUnit::Kilometers).Build(),
         "Way too slow in row # 3"},
        {FormBuilder().Race(1, "30", "0", "0", "300.001", DistanceUnit::Kilometers).Build(),
         "Way too long a race in row # 2"},
        {FormBuilder().Build(), "No rows checked!"},
    };
    for (const auto& [form, message] : cases) {
        ModelRun run(form);
        run.Calculate();
        EXPECT_FALSE(run.Completed()) << message;
        EXPECT_THAT(run.Texts(), ElementsAre(message));
        EXPECT_TRUE(run.picture.Lines().empty());
    }
}

TEST(InputStage, SpeedLimitsAreInclusive) {
    for (const auto& [seconds, meters] :
         {std::pair{"9.0", "100"}, {"10", "120"}, {"2000", "1000"}, {"108000", "300000"}}) {
        ModelRun run(
            FormBuilder().Race(0, "0", "0", seconds, meters, DistanceUnit::Meters).Build());
        EXPECT_TRUE(run.Calculate().Completed()) << seconds << " s for " << meters << " m";
    }
}

TEST(InputStage, RowsAreValidatedInOrderAndUncheckedRowsNever) {
    MainFormInputs form = FormBuilder()
                              .Race(0, "0", "0", "", "400", DistanceUnit::Meters)
                              .Race(1, "0", "0", "1", "100", DistanceUnit::Meters)
                              .Build();
    ModelRun run(form);
    run.Calculate();
    EXPECT_THAT(run.Texts(), ElementsAre("Bad time entry in row # 1"));

    form.rows[0].Check1 = 0;
    form.rows[0].Text4 = "garbage";
    form.rows[2].Check1 = 2;  // greyed counts as not checked
    form.rows[1].Text3 = "20";
    ModelRun unchecked(form);
    EXPECT_TRUE(unchecked.Calculate().Completed());
    EXPECT_EQ(unchecked.state.raceCount, 1);
}

TEST(InputStage, MarathonLabelAndDistancesInEntryOrder) {
    ModelRun run(FormBuilder()
                     .Race(0, "3", "10", "0", "", DistanceUnit::Marathon)
                     .Race(1, "0", "20", "0", "5", DistanceUnit::Kilometers)
                     .Race(2, "0", "6", "0", "1", DistanceUnit::Miles)
                     .Build());
    run.Calculate();
    // Each race is faster paced than every longer one, so nothing is omitted.
    EXPECT_TRUE(run.Texts().empty());
    EXPECT_EQ(run.state.raceCount, 3);
    EXPECT_EQ(run.state.entryDist[1], 42195.0);
    EXPECT_EQ(run.state.entryDist[2], 5000.0);
    EXPECT_EQ(run.state.entryDist[3], 1609.344);
    EXPECT_EQ(run.state.raceDist[1], 1609.344);
    EXPECT_EQ(run.state.raceDist[3], 42195.0);

    ModelRun slowMarathon(FormBuilder()
                              .Race(0, "4", "0", "0", "99", DistanceUnit::Marathon)
                              .Race(1, "2", "30", "0", "7", DistanceUnit::HalfMarathon)
                              .Build());
    slowMarathon.Calculate();
    EXPECT_THAT(
        slowMarathon.Texts(),
        ElementsAre("Omitting" + FormatTime(9000) +
                        "  half marathon because it is slower paced than a longer race.",
                    "SHORTEST RACE OVER 10 KM - EXTRAPOLATION TO SHORTER DISTANCES UNCERTAIN."));
}

TEST(InputStage, OmitsRacesSlowerPacedThanALongerOne) {
    ModelRun run(FormBuilder()
                     .Race(0, "0", "25", "0", "5", DistanceUnit::Kilometers)
                     .Race(1, "0", "45", "0", "10", DistanceUnit::Kilometers)
                     .Build());
    run.Calculate();
    EXPECT_THAT(
        run.Texts(),
        ElementsAre("Omitting   25:00   5 km because it is slower paced than a longer race."));
    EXPECT_EQ(run.state.raceDist[1], 10000.0);
    // The slot above the races kept is not cleared.
    EXPECT_EQ(run.state.raceDist[2], 10000.0);
    // A single race left selects "Use all data" for the next run only.
    EXPECT_TRUE(run.form.Option8);
    EXPECT_TRUE(run.form.Option7Enabled);
}

TEST(InputStage, EqualDistancesDropTheEarlierUnlessStrictlyFaster) {
    ModelRun run(FormBuilder()
                     .Race(0, "0", "20", "0", "5", DistanceUnit::Kilometers)
                     .Race(1, "0", "20", "0", "5", DistanceUnit::Kilometers)
                     .Race(2, "0", "19", "0", "5", DistanceUnit::Kilometers)
                     .Build());
    run.Calculate();
    EXPECT_EQ(run.Texts().size(), 2u);
    EXPECT_EQ(run.state.raceTime[1], 19 * 60.0);
}

TEST(InputStage, SingleRaceSelectsUseAllDataAndDisablesBestTwo) {
    ModelRun run(
        FormBuilder().Race(3, "0", "18", "0", "5", DistanceUnit::Kilometers).BestTwo().Build());
    EXPECT_TRUE(run.Calculate().Completed());
    EXPECT_FALSE(run.form.Option7Enabled);
    EXPECT_FALSE(run.form.Option7);
    EXPECT_TRUE(run.form.Option8);
}

TEST(InputStage, AgeThatReadsAsZeroWarnsAndContinues) {
    for (const char* age : {"0", "abc", ""}) {
        ModelRun run(
            FormBuilder().Race(0, "0", "18", "0", "5", DistanceUnit::Kilometers).Age(age).Build());
        EXPECT_TRUE(run.Calculate().Completed());
        EXPECT_THAT(run.Texts(), ElementsAre("Non-numeric age entry"));
        EXPECT_EQ(run.state.age, 0.0);
    }
}

TEST(InputStage, ExtrapolationWarnings) {
    ModelRun middle(FormBuilder()
                        .Race(0, "0", "2", "0", "800", DistanceUnit::Meters)
                        .Race(1, "0", "10", "0", "3000", DistanceUnit::Meters)
                        .Build());
    middle.Calculate();
    EXPECT_TRUE(middle.notifier.Messages().empty());

    ModelRun shortOnly(FormBuilder()
                           .Race(0, "0", "0", "55", "400", DistanceUnit::Meters)
                           .Race(1, "0", "2", "0", "800", DistanceUnit::Meters)
                           .Build());
    shortOnly.Calculate();
    ASSERT_EQ(shortOnly.notifier.Messages().size(), 1u);
    EXPECT_EQ(shortOnly.notifier.Messages()[0],
              (Message{"LONGEST RACE UNDER 1 KM - EXTRAPOLATION TO LONGER DISTANCES UNCERTAIN.",
                       "Questionable extrapolation", false}));

    ModelRun longOnly(
        FormBuilder().Race(0, "1", "25", "0", "", DistanceUnit::HalfMarathon).Build());
    longOnly.Calculate();
    ASSERT_EQ(longOnly.notifier.Messages().size(), 1u);
    EXPECT_EQ(longOnly.notifier.Messages()[0].text,
              "SHORTEST RACE OVER 10 KM - EXTRAPOLATION TO SHORTER DISTANCES UNCERTAIN.");
}

// An age outside the racing ages stops the run before any row is read, whether or not the
// comparisons are graded for age (the age also sets the fit's training allowance).
TEST(InputStage, AgesOutsideFiveToOneHundredTenAreRefused) {
    for (const int agecomp : {0, 1}) {
        for (const char* age :
             {"4.9", "110.1", "-50", "1000", "1e6", "1e300", "-1e300", "1e-300"}) {
            ModelRun run(FormBuilder()
                             .Race(0, "1", "0", "0", "x", DistanceUnit::Kilometers)
                             .Age(age)
                             .Build());
            run.form.agecomp = agecomp;
            run.Calculate();
            EXPECT_FALSE(run.Completed()) << age;
            EXPECT_THAT(run.Texts(), ElementsAre(kAgeOutOfRangeMessage)) << age;
        }
        for (const char* age : {"5", "110"}) {
            ModelRun run(FormBuilder()
                             .Race(0, "0", "20", "0", "5", DistanceUnit::Kilometers)
                             .Age(age)
                             .Build());
            run.form.agecomp = agecomp;
            EXPECT_TRUE(run.Calculate().Completed()) << age;
            EXPECT_EQ(run.picture.Lines().size(), 11u) << age;
            for (const std::string& line : run.picture.Lines()) {
                EXPECT_FALSE(test_support::ShowsANonNumber(line)) << age << line;
            }
        }
    }
}

TEST(InputStage, StoppedRunLeavesThePreviousCurve) {
    ModelRun run(MainFormInputs{});
    ASSERT_TRUE(run.Calculate().Completed());
    const ModelState before = run.state;
    run.form.rows[4].Text2 = "";
    run.form.rows[4].Text3 = "1";
    run.Calculate();
    EXPECT_FALSE(run.Completed());
    EXPECT_EQ(run.state.aerobicPower, before.aerobicPower);
    EXPECT_EQ(run.state.anaerobicEnergy, before.anaerobicEnergy);
    EXPECT_EQ(run.state.refDist, before.refDist);
    EXPECT_EQ(run.state.raceCount, before.raceCount);
    EXPECT_EQ(run.state.specIndex, before.specIndex);
}

}  // namespace
}  // namespace kestrova
