#include "analyses/distance_for_duration.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CalculatedState;

struct DurationCase {
    double target;
    double start;
    double meters;  // what the start-up runner covers in that time
};

TEST(DistanceForDuration, ClosesInOnTheTargetTime) {
    MainFormInputs form;
    ModelState state = CalculatedState(form);
    // The start-up runner's table: 3200 m in 10:57 (657 s) at 3:25 per km, 5000 m in 18:07 at
    // 3:37, 10000 m in 39:07 at 3:55, slowing beyond; so 11 minutes is 3200 m and about 10 m
    // more, 15 minutes about 4.2 km and an hour about 14.6 km.
    for (const DurationCase& c :
         {DurationCase{900.0, 10000.0, 4228.0}, DurationCase{660.0, 6000.0, 3214.0},
          DurationCase{3600.0, 25000.0, 14624.0}}) {
        SCOPED_TRACE(c.target);
        double time = 0.0;
        const DurationSearch search = DistanceForDuration(state, c.target, c.start, time);
        EXPECT_TRUE(search.reached);
        EXPECT_LT(search.passes, 30);
        EXPECT_LT(std::fabs(time - c.target), 1.0);
        EXPECT_NEAR(search.distance, c.meters, 1.0);
    }
}

// The time carries over: a search whose carried time is already within 1 s of its target makes
// no pass and returns its start distance.
TEST(DistanceForDuration, CarriedTimeWithinOneSecondEndsAtOnce) {
    MainFormInputs form;
    ModelState state = CalculatedState(form);
    double time = 659.5;
    const DurationSearch search = DistanceForDuration(state, 660.0, 6000.0, time);
    EXPECT_EQ(search.passes, 0);
    EXPECT_DOUBLE_EQ(search.distance, 6000.0);
    EXPECT_DOUBLE_EQ(time, 659.5);

    time = 900.4;  // as the 15-minute search leaves it: the 11-minute search still runs
    EXPECT_GT(DistanceForDuration(state, 660.0, 6000.0, time).passes, 0);
}

TEST(DistanceForDuration, StopsAtItsPassLimitOnACurveThatNeverGetsThere) {
    ModelState state;
    state.refDist = 5000.0;
    state.aerobicPower = 0.0;  // no real solution: every time is unreadable
    state.anaerobicEnergy = 0.0;
    state.timeOffset = 3.0;
    double time = 0.0;
    const DurationSearch search = DistanceForDuration(state, 900.0, 10000.0, time);
    EXPECT_EQ(search.passes, kDurationSearchPasses);
    EXPECT_FALSE(search.reached);
}

}  // namespace
}  // namespace kestrova
