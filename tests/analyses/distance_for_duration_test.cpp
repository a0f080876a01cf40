#include "analyses/distance_for_duration.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "model/pace_model.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CalculatedState;

struct DurationCase {
    double target;
    double start;
};

TEST(DistanceForDuration, ClosesInOnTheTargetTime) {
    MainFormInputs form;
    ModelState state = CalculatedState(form);
    for (const DurationCase& c : {DurationCase{900.0, 10000.0}, DurationCase{660.0, 6000.0},
                                  DurationCase{3600.0, 25000.0}}) {
        SCOPED_TRACE(c.target);
        double time = 0.0;
        const DurationSearch search = DistanceForDuration(state, c.target, c.start, time);
        EXPECT_TRUE(search.reached);
        EXPECT_LT(search.passes, 30);
        EXPECT_LT(std::fabs(time - c.target), 1.0);
        // The distance was updated once more after the time that ended the search, so the
        // curve covers it in about the target time as well.
        ModelState probe = state;
        EXPECT_NEAR(PredictedTimeAt(probe, search.distance), c.target, 1.0);
        EXPECT_DOUBLE_EQ(state.curDist * (1.0 + c.target / time) / 2.0, search.distance);
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
