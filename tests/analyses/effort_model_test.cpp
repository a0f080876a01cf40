#include "analyses/effort_model.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analyses/power_model.hpp"

namespace kestrova {
namespace {

// The example paces of the hill and treadmill windows are checked in their tables' tests.
TEST(FlatEquivalentSpeed, LevelGroundGivesTheSpeedAndEqualPowers) {
    double level = 0.0;
    EXPECT_NEAR(*FlatEquivalentSpeed(level, 4.0), 4.0, 1e-12);
    double uphill = 0.05;
    const double flat = *FlatEquivalentSpeed(uphill, 4.0);
    // Interpolated inside a 0.05 m/s step: the powers agree closely, not exactly.
    EXPECT_NEAR(PowerUsedNet(flat, 72.7, 0.0, 1.0), PowerUsedNet(4.0, 72.7, 0.05, 1.0), 2.0);
    // The belt spares the air: a level belt is easier than the road at the same speed.
    EXPECT_LT(*FlatEquivalentSpeed(level, 4.0, EffortGround::TreadmillBelt), 4.0);
}

// The flat search checks blocks of steps before walking them; it must end on the very step, with
// the very value, that a walk through every 0.05 m/s step gives (belts starting below zero too).
double FlatSpeedWalkingEveryStep(double slope, double speed, EffortGround ground) {
    const bool belt = ground == EffortGround::TreadmillBelt;
    const double power = PowerUsedNet(speed, 72.7, slope, belt ? 0.0 : 1.0);
    const double step = slope >= 0.0 ? 0.05 : -0.05;
    double at = belt ? speed - 0.5 : speed;
    double after = PowerUsedNet(at, 72.7, 0.0, 1.0);
    for (int k = 0; k < 2000; ++k) {
        const double before = after;
        at += step;
        after = PowerUsedNet(at, 72.7, 0.0, 1.0);
        if (std::isnan(after)) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        if (step > 0.0 ? after > power : after < power) {
            return (at - step) + step * (power - before) / (after - before);
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

TEST(FlatEquivalentSpeed, EndsOnTheStepAWalkThroughEveryStepEndsOn) {
    for (const EffortGround ground : {EffortGround::Outdoors, EffortGround::TreadmillBelt}) {
        for (const double speed : {0.2, 0.45, 1.0, 2.9, 4.4704, 6.5}) {
            for (int percent = -30; percent <= 30; percent += 3) {
                double slope = percent / 100.0;
                const double expected = FlatSpeedWalkingEveryStep(slope, speed, ground);
                const std::optional<double> found = FlatEquivalentSpeed(slope, speed, ground);
                SCOPED_TRACE(testing::Message() << speed << " " << percent);
                EXPECT_EQ(found.has_value(), !std::isnan(expected));
                if (found) {
                    EXPECT_EQ(*found, expected);
                }
            }
        }
    }
}

TEST(EffortModel, ExactQuarterDescentIsComputedAsSlightlySteeperAndTheCallerSeesIt) {
    double slope = -0.25;
    double steeper = -0.2503;
    EXPECT_EQ(FlatEquivalentSpeed(slope, 4.0), FlatEquivalentSpeed(steeper, 4.0));
    EXPECT_EQ(slope, -0.2503);
    slope = -0.25;
    steeper = -0.2503;
    EXPECT_EQ(SlopeSpeedForEffort(slope, 4.0), SlopeSpeedForEffort(steeper, 4.0));
    EXPECT_EQ(slope, -0.2503);
}

// Where no equal-effort speed exists the search ends with no answer instead of running on into
// negative speeds (whose power has no value) or returning a made-up number.
TEST(EffortModel, NoAnswerInsteadOfAHangOrANumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct FlatCase {
        double slope;
        double speed;
    };
    const FlatCase flats[] = {
        {-0.2, 0.05},  // slow descent: the target power is below zero
        {0.05, -1.0},  // negative speed
        {0.05, nan},   // not a number
        {0.05, inf},   // infinite
        {0.05, 1e17},  // so large that a 0.05 m/s step no longer moves it
        {nan, 3.0},    // slope not a number
    };
    for (const FlatCase& c : flats) {
        SCOPED_TRACE(testing::Message() << c.slope << " " << c.speed);
        double slope = c.slope;
        EXPECT_FALSE(FlatEquivalentSpeed(slope, c.speed).has_value());
    }
    const FlatCase slopes[] = {
        {0.5, 1609.344 / 720},  // steep climb at 12:00 per mile overshoots below zero
        {0.6, 1.0},
        {-0.2, 0.05},
        {0.05, nan},
        {0.05, -3.0},
    };
    for (const FlatCase& c : slopes) {
        SCOPED_TRACE(testing::Message() << c.slope << " " << c.speed);
        double slope = c.slope;
        EXPECT_FALSE(SlopeSpeedForEffort(slope, c.speed).has_value());
    }
}

TEST(PowerModel, TermsAndScaling) {
    // Gross and net differ by 100 kcal/hr of base metabolism at any speed.
    for (const double v : {2.0, 4.4704, 7.0}) {
        EXPECT_NEAR((PowerUsedGross(v, 72.7, 0, 1) - PowerUsedNet(v, 72.7, 0, 1)) * 3600 / 4184,
                    100.0, 1e-9);
        EXPECT_DOUBLE_EQ(PowerOutput(v, 72.7, 0.1, 1), 0.25 * PowerUsedNet(v, 72.7, 0.1, 1));
        EXPECT_DOUBLE_EQ(PowerUsedNet(v, 145.4, 0.1, 0), 2.0 * PowerUsedNet(v, 72.7, 0.1, 0));
        // The climbing term vanishes at -0.25.
        EXPECT_DOUBLE_EQ(PowerUsedNet(v, 72.7, -0.25, 1), PowerUsedNet(v, 72.7, 0, 1));
    }
    EXPECT_NEAR(PowerUsedNet(4.4704, 72.7, 0, 1), 1389.0, 0.5);
    EXPECT_TRUE(std::isnan(PowerUsedNet(-1.0, 72.7, 0, 1)));
}

}  // namespace
}  // namespace kestrova
