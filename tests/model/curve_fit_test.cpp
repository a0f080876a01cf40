#include <gtest/gtest.h>

#include <cmath>

#include "form_builder.hpp"
#include "model/pace_model.hpp"
#include "model/single_race_estimate.hpp"

namespace kestrova {
namespace {

using test_support::FormBuilder;
using test_support::ModelRun;

constexpr double kTolerance = 1e-6;

MainFormInputs TwoRaces() {
    return FormBuilder()
        .Race(0, "0", "2", "10", "800", DistanceUnit::Meters)
        .Race(1, "0", "18", "30", "5", DistanceUnit::Kilometers)
        .Build();
}

double RaceTimeOnCurve(ModelState& state, double d) {
    return PredictedRaceTime(state, d);
}

TEST(CurveFit, OneRaceGivesTheSameAnchoredCurveInBothModes) {
    MainFormInputs allData =
        FormBuilder().Race(0, "0", "40", "0", "10", DistanceUnit::Kilometers).Build();
    ModelRun first(allData);
    first.Calculate();
    MainFormInputs bestTwo = allData;
    SelectFitBestTwo(bestTwo);
    ModelRun second(bestTwo);
    second.Calculate();
    EXPECT_EQ(first.state.aerobicPower, second.state.aerobicPower);
    EXPECT_EQ(first.state.refDist, 10000.0);
    EXPECT_NEAR(RaceTimeOnCurve(first.state, 10000.0), 2400.0, kTolerance);
    EXPECT_EQ(first.state.pairCount, 0);
}

// The races' estimates advance side by side; each must come out as it does alone, and the state
// as the last race's estimate alone leaves it.
TEST(CurveFit, EachRaceIsEstimatedAsIfAlone) {
    ModelRun run(FormBuilder()
                     .Race(0, "0", "2", "10", "800", DistanceUnit::Meters)
                     .Race(1, "0", "4", "30", "1500", DistanceUnit::Meters)
                     .Race(2, "0", "18", "30", "5", DistanceUnit::Kilometers)
                     .Race(3, "0", "39", "0", "10", DistanceUnit::Kilometers)
                     .Race(4, "3", "5", "0", "42.195", DistanceUnit::Kilometers)
                     .Build());
    ASSERT_TRUE(run.Calculate().Completed());
    const std::vector<double> levels = {0.0, 0.62, 0.70, 0.66, 0.75, 0.58};
    ModelState together = run.state;
    const std::vector<double> powers = EstimateEachRace(together, 5, levels);
    for (int i = 1; i <= 5; ++i) {
        ModelState alone = run.state;
        alone.raceDist[1] = run.state.raceDist[i];
        alone.adjTime[1] = run.state.adjTime[i];
        EXPECT_EQ(EstimateEachRace(alone, 1, {0.0, levels[static_cast<std::size_t>(i)]})[1],
                  powers[static_cast<std::size_t>(i)])
            << "race " << i;
        if (i == 5) {
            EXPECT_EQ(together.aerobicPower, alone.aerobicPower);
            EXPECT_EQ(together.specIndex, alone.specIndex);
            EXPECT_EQ(together.specIndexAdj, alone.specIndexAdj);
            EXPECT_EQ(together.perfLevel, alone.perfLevel);
        }
    }
}

TEST(CurveFit, BestTwoPassesThroughTheShorterRaceAndMeetsTheLonger) {
    ModelRun run(TwoRaces());
    SelectFitBestTwo(run.form);
    ASSERT_TRUE(run.Calculate().Completed());
    EXPECT_EQ(run.state.pairCount, 1);
    EXPECT_EQ(run.state.refDist, 800.0);
    EXPECT_NEAR(RaceTimeOnCurve(run.state, 800.0), 130.0, kTolerance);
    // The longer race is met or just missed: within one search step of its adjusted time.
    const double modelTime = ModelScaleTime(run.state, 5000.0);
    EXPECT_GE(modelTime, run.state.adjTime[2]);
    EXPECT_LT(modelTime - run.state.adjTime[2], 1.0);
}

TEST(CurveFit, BestTwoTakesTheFirstPairNoOtherRaceBeats) {
    ModelRun run(MainFormInputs{});
    SelectFitBestTwo(run.form);
    ASSERT_TRUE(run.Calculate().Completed());
    EXPECT_GE(run.state.pairCount, 1);
    for (int k = 1; k <= 5; ++k) {
        if (run.state.raceDist[k] != run.state.refDist) {
            EXPECT_LE(ModelScaleTime(run.state, run.state.raceDist[k]), run.state.adjTime[k] + 1.0)
                << k;
        }
    }
    // The chosen pair starts at the shortest race that has a valid partner; with the start-up
    // races that is the 400 m.
    EXPECT_EQ(run.state.refDist, 400.0);
}

TEST(CurveFit, PairOfEqualDistancesIsSlowedAllTheWay) {
    // The curve through the first 5000 m race meets the second at the same distance, so its pace
    // grows by its least step each pass until it passes 1200 s per mile (15 500 passes).
    ModelRun run(FormBuilder()
                     .Race(0, "", "20", "0", "5000", DistanceUnit::Meters)
                     .Race(1, "", "20", "0.1", "5000", DistanceUnit::Meters)
                     .BestTwo()
                     .Build());
    ASSERT_TRUE(run.Calculate().Completed());
    EXPECT_EQ(run.state.pairCount, 1);
    EXPECT_NEAR(run.state.aerobicPower, 247.92, 0.01);
    EXPECT_EQ(
        run.picture.Lines()[2],
        "     400 m          45.2      3:02        1:53          45.2        43.2      95      "
        "  95 ");
    EXPECT_EQ(
        run.picture.Lines()[10],
        "   10000 m       48:18        7:46        4:50        1:56       26:23        55      "
        "  67 ");
}

TEST(CurveFit, ReferenceRaceOfBestTwoPrintsItsEnteredTime) {
    ModelRun run(FormBuilder()
                     .Race(0, "0", "17", "45", "5000", DistanceUnit::Meters)
                     .Race(1, "0", "37", "30", "10", DistanceUnit::Kilometers)
                     .BestTwo()
                     .Build());
    run.Calculate();
    ASSERT_EQ(run.result.rows.size(), 9u);
    EXPECT_EQ(run.picture.Lines()[8].substr(14, 10), "   17:45  ");
}

TEST(CurveFit, PredictionWithoutARealSolutionIsNotANumber) {
    EXPECT_TRUE(std::isnan(ModelScaleSpeed(0.0, 100.0, 1000.0, 1000.0)));
    EXPECT_TRUE(std::isnan(ModelScaleSpeed(100.0, 200.0, 1000.0, 0.0)));
    EXPECT_TRUE(std::isnan(ModelTime(0.0, 100.0, 1000.0, 1000.0, 0.05, 3.0)));
}

TEST(SyntheticRun, FillsOneColumnOfTheLevelTableAndPrintsNothing) {
    ModelRun run(MainFormInputs{});
    ASSERT_TRUE(run.Calculate().Completed());
    const std::vector<std::string> table = run.picture.Lines();
    const int raceCount = run.state.raceCount;
    const double entry = run.state.entryDist[1];

    run.state.syntheticMode = 1;
    run.state.synth800 = 130.0;
    run.state.synth5000 = 1110.0;
    run.state.levelColumn = 4;
    for (std::size_t c = 1; c < kLevelTableRows; ++c) {
        run.state.levelTableDist[c] = 400.0 * static_cast<double>(c);
    }
    ASSERT_TRUE(run.Calculate().Completed());
    run.state.syntheticMode = 0;

    EXPECT_EQ(run.picture.Lines(), table);
    EXPECT_EQ(run.state.raceCount, raceCount);
    EXPECT_EQ(run.state.entryDist[1], entry);
    EXPECT_TRUE(run.notifier.Messages().empty());
    EXPECT_EQ(run.state.refDist, 800.0);
    EXPECT_EQ(run.state.curDist, 400.0 * 24);
    // The synthetic races are taken as model-scale times (less the start allowance) and given no
    // other adjustment, so the curve passes through 127 s at 800 m on the model scale.
    EXPECT_EQ(run.state.levelTableTimes[2][4], PredictedRaceTime(run.state, 800.0));
    EXPECT_NEAR(ModelScaleTime(run.state, 800.0), 127.0, kTolerance);
    EXPECT_EQ(run.state.levelTableTimes[2][3], 0.0);
}

}  // namespace
}  // namespace kestrova
