#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "model/model_state.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

ModelState StateFor(const char* sex, double age = 35.0, int agecomp = 0) {
    ModelState state;
    ApplyStartUpValues(state);
    state.sex = sex;
    state.age = age;
    state.agecomp = agecomp;
    return state;
}

TEST(RecordCurve, ModelledRecordTimes) {
    const std::tuple<const char*, double, double> cases[] = {
        {"m", 100, 9.761},      {"m", 200, 19.407},     {"m", 400, 43.155},
        {"m", 800, 100.577},    {"m", 1500, 205.857},   {"m", 5000, 760.322},
        {"m", 10000, 1582.563}, {"m", 42195, 7564.892}, {"m", 100000, 22217.948},
        {"f", 100, 10.532},     {"f", 1500, 229.531},   {"f", 10000, 1768.202},
        {"f", 42195, 8447.487},
    };
    for (const auto& [sex, distance, seconds] : cases) {
        ModelState state = StateFor(sex);
        EXPECT_NEAR(TimeAtLevel(state, sex, 1, distance, 1), seconds, 0.0006)
            << sex << " " << distance;
    }
}

TEST(RecordCurve, SolvingForALevel) {
    ModelState state = StateFor("m");
    EXPECT_NEAR(TimeAtLevel(state, "m", 0, 10000, 0.8), 2227.7, 0.05);
    EXPECT_NEAR(TimeAtLevel(state, "m", 0, 10000, 0.5), 4577.5, 0.05);
    for (double d : {100.0, 1500.0, 42195.0}) {
        EXPECT_DOUBLE_EQ(TimeAtLevel(state, "m", 0, d, 1), TimeAtLevel(state, "m", 1, d, 1));
    }
    // A level of 0 has no time; it never turns into infinity.
    EXPECT_TRUE(std::isnan(TimeAtLevel(state, "m", 0, 10000, 0)));
}

TEST(PerformanceLevel, SkewAroundTheMile) {
    const ModelState men = StateFor("m");
    const ModelState women = StateFor("f");
    EXPECT_NEAR(PerformanceLevelOf(men, 0.8, 100, "m"), 0.7124, 0.00005);
    EXPECT_NEAR(PerformanceLevelOf(men, 0.8, 1600, "m"), std::pow(0.8, 0.9), 1e-12);
    EXPECT_NEAR(PerformanceLevelOf(men, 0.8, 42195, "m"), 0.8541, 0.00005);
    EXPECT_NEAR(PerformanceLevelOf(women, 0.8, 42195, "f"), 0.8840, 0.00005);
    // Faster than the record, the level is capped at pow(x, 0.5): pow's own value, not sqrt's,
    // which differs from it in the last bit at these ratios.
    for (double x : {1.2884058391745521, 1.3605477297302326, 1.9694004142397981}) {
        ASSERT_NE(std::sqrt(x), std::pow(x, 0.5));
        for (double d : {100.0, 1600.0, 10000.0, 42195.0}) {
            EXPECT_EQ(PerformanceLevelOf(men, x, d, "m"), std::pow(x, 0.5)) << x << " " << d;
        }
    }
    for (double d : {100.0, 1600.0, 10000.0, 42195.0}) {
        EXPECT_DOUBLE_EQ(PerformanceLevelOf(men, 1.0, d, "m"), 1.0);
    }
}

TEST(AgeFactor, DeclineWithAgeAndAbility) {
    const std::tuple<const char*, double, double, double, double> cases[] = {
        {"m", 20, 10000, 1, 1.0319},   {"m", 40, 10000, 1, 1.0466}, {"m", 60, 10000, 1, 1.2257},
        {"m", 80, 10000, 1, 1.6332},   {"f", 40, 10000, 1, 1.0498}, {"f", 60, 10000, 1, 1.2490},
        {"m", 60, 10000, 0.7, 1.3278}, {"m", 60, 100, 1, 1.2106},
    };
    for (const auto& [sex, age, distance, level, factor] : cases) {
        EXPECT_NEAR(AgeFactorAt(age, distance, level, sex), factor, 0.00005)
            << sex << " " << age << " " << distance;
    }
    const double peak = 26.4 + 0.9 * std::log(10.0);
    EXPECT_DOUBLE_EQ(AgeFactorAt(peak, 10000, 1, "m"), 1.0);
    double level = 0.3;
    AgeFactor(40, 10000, level, "m");
    EXPECT_EQ(level, 0.5);
}

TEST(AgeFlag, GradesTheRecordAndFollowsItsThreeInputs) {
    ModelState state = StateFor("m", 60.0, 1);
    const double open = TimeAtLevel(state, "m", 1, 10000, 1) / AgeFactorAt(60, 10000, 1, "m");
    EXPECT_EQ(AgeFlagFromInputs(state), 1);
    EXPECT_NEAR(open, 1582.563, 0.0006);
    state.agecomp = 0;
    EXPECT_EQ(AgeFlagFromInputs(state), 0);
    EXPECT_NEAR(TimeAtLevel(state, "m", 1, 10000, 1), 1582.563, 0.0006);
    state.ageTableFlag = 1;
    EXPECT_EQ(AgeFlagFromInputs(state), 1);
    state.ageTableFlag = 0;
    state.timesByAgeSelected = true;
    EXPECT_EQ(AgeFlagFromInputs(state), 1);
    // With the flag on, the caller's speed ratio is replaced by the age-adjusted one.
    double ratio = 0.8;
    PerformanceLevel(state, ratio, 10000, "m");
    EXPECT_NE(ratio, 0.8);
}

}  // namespace
}  // namespace kestrova
