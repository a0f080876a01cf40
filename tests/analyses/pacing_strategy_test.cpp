#include "analyses/pacing_strategy.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyses/hill_course.hpp"
#include "model/pace_model.hpp"
#include "model/time_format.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::PacingExampleCurve;

std::vector<std::string> TableLines(const PacingTable& table, PaceUnit unit) {
    LineBuffer sink;
    PrintPacingTable(table, unit, sink);
    return sink.Lines();
}

TEST(SplitCurve, WorkedExampleConstants) {
    ModelState state = PacingExampleCurve();
    const SplitCurve curve = ComputeSplitCurve(state, 10000);
    EXPECT_NEAR(curve.raceTime, 2222.95, 0.005);
    EXPECT_NEAR(curve.p0, 357.75, 0.005);
    EXPECT_NEAR(curve.pFast, 350.82, 0.005);
    EXPECT_NEAR(curve.pSlow, 384.22, 0.005);
    EXPECT_NEAR(curve.c, 348.37, 0.005);
    EXPECT_TRUE(curve.Usable());
}

TEST(PacingTable, WorkedExampleUnevenSplits) {
    ModelState state = PacingExampleCurve();
    const PacingTable table =
        ComputePacingTable(ComputeSplitCurve(state, 10000), PacingCourse::UnevenSplits, 0, 10000);
    ASSERT_EQ(table.rows.size(), 3u);
    const double totals[] = {37 * 60 + 3, 37 * 60 + 7, 37 * 60 + 36};
    const double losses[] = {0.0, 4.4, 33.1};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(table.rows[i].total, totals[i], 0.5);
        EXPECT_NEAR(table.rows[i].off, losses[i], 0.05);
    }
    const std::vector<std::string> miles = TableLines(table, PaceUnit::Mile);
    ASSERT_EQ(miles.size(), 5u);
    EXPECT_EQ(miles[0], kUnevenSplitsHeader);
    EXPECT_EQ(miles[1], "");
    EXPECT_EQ(miles[2], "       18:31      5:58         18:31      5:58          37:03        0.0");
    // In kilometres only the paces change.
    const std::vector<std::string> km = TableLines(table, PaceUnit::Kilometer);
    EXPECT_EQ(km[2], "       18:31      3:42         18:31      3:42          37:03        0.0");
}

TEST(PacingTable, WorkedExampleHalfUpHalfDown) {
    ModelState state = PacingExampleCurve();
    const PacingTable table = ComputePacingTable(ComputeSplitCurve(state, 10000),
                                                 PacingCourse::HalfUpHalfDown, 0.05, 10000);
    ASSERT_GE(table.rows.size(), 2u);
    EXPECT_EQ(table.end, PacingEnd::Finished);
    const std::vector<std::string> lines = TableLines(table, PaceUnit::Mile);
    EXPECT_EQ(lines[0], kHalfUpHalfDownHeader);
    EXPECT_EQ(lines[2],
              "   23:11    7:28    5:58      15:43    5:04    5:58      38:54      1:51  ");
    EXPECT_NEAR(table.rows[0].off, 111.0, 0.05);
    EXPECT_EQ(FormatTime(table.rows[1].total), "   38:52  ");
    EXPECT_LT(table.rows[1].total, table.rows[0].total);
}

// A descending first half slows the first half row by row until the second half's level pace
// would be faster than the fastest half.
TEST(PacingTable, DescendingFirstHalfEndsOnTheSecondHalf) {
    ModelState state = PacingExampleCurve();
    const SplitCurve curve = ComputeSplitCurve(state, 10000);
    const PacingTable table = ComputePacingTable(curve, PacingCourse::HalfUpHalfDown, -0.05, 10000);
    ASSERT_GE(table.rows.size(), 2u);
    EXPECT_EQ(table.end, PacingEnd::Finished);
    EXPECT_GT(table.rows[1].p1, table.rows[0].p1);
    EXPECT_LT(table.rows.back().p2, curve.pFast);
}

// Constants that never end the row loop (c not below pFast on a descent) stop at the row limit
// with a line saying so; constants that are not numbers are not usable.
TEST(PacingTable, RowLimitAndUnusableConstants) {
    ModelState state = PacingExampleCurve();
    SplitCurve curve = ComputeSplitCurve(state, 10000);
    curve.c = curve.pFast + 1.0;
    curve.q = (curve.p0 - curve.c) * (curve.p0 - curve.c);
    const PacingTable table = ComputePacingTable(curve, PacingCourse::HalfUpHalfDown, -0.05, 10000);
    EXPECT_EQ(table.end, PacingEnd::RowLimit);
    EXPECT_EQ(table.rows.size(), static_cast<std::size_t>(kMaxPacingRows));
    EXPECT_EQ(TableLines(table, PaceUnit::Mile).back(), kPacingRowLimitLine);

    state.aerobicPower = 140;
    EXPECT_FALSE(ComputeSplitCurve(state, 10000).Usable());
    state.aerobicPower = 100;
    EXPECT_FALSE(ComputeSplitCurve(state, 10000).Usable());
}

TEST(SolveConstantSlope, WorkedExample) {
    ModelState state = PacingExampleCurve();
    struct Case {
        double slope;
        double time;
        double tolerance;
    };
    for (const Case& c : {Case{0.05, 2795.59, 0.005}, Case{-0.05, 1880.8, 0.05}}) {
        SCOPED_TRACE(c.slope);
        double slope = c.slope;
        const HillRace race = SolveConstantSlope(state, slope, 10000);
        ASSERT_EQ(race.outcome, HillOutcome::Settled);
        EXPECT_NEAR(race.time, c.time, c.tolerance);
        EXPECT_EQ(state.curDist, 10000);
    }
    double up = 0.05;
    const HillRace race = SolveConstantSlope(state, up, 10000);
    EXPECT_EQ(race.passes, 8);
    EXPECT_NEAR(race.flatDistance, 12426, 0.5);
    EXPECT_EQ(FormatTime(race.time), "   46:36  ");
}

// On the level one pass gives the level time.
TEST(SolveConstantSlope, LevelTakesOnePass) {
    ModelState state = PacingExampleCurve();
    double level = 0.0;
    const HillRace flat = SolveConstantSlope(state, level, 10000);
    EXPECT_EQ(flat.passes, 1);
    EXPECT_DOUBLE_EQ(flat.time, PredictedRaceTime(state, 10000));
}

}  // namespace
}  // namespace kestrova
