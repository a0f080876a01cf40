#include <gtest/gtest.h>

#include <cmath>

#include "model/endurance_factor.hpp"
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

struct RecordCase {
    const char* sex;
    double distance;
    double seconds;
};

TEST(RecordCurve, ModelledRecordTimes) {
    const RecordCase cases[] = {
        {"m", 100, 9.761},      {"m", 200, 19.407},     {"m", 400, 43.155},
        {"m", 800, 100.577},    {"m", 1500, 205.857},   {"m", 5000, 760.322},
        {"m", 10000, 1582.563}, {"m", 42195, 7564.892}, {"m", 100000, 22217.948},
        {"f", 100, 10.532},     {"f", 1500, 229.531},   {"f", 10000, 1768.202},
        {"f", 42195, 8447.487},
    };
    for (const RecordCase& c : cases) {
        ModelState state = StateFor(c.sex);
        EXPECT_NEAR(TimeAtLevel(state, c.sex, 1, c.distance, 1), c.seconds, 0.0006)
            << c.sex << " " << c.distance;
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
    for (double d : {100.0, 1600.0, 10000.0, 42195.0}) {
        EXPECT_DOUBLE_EQ(PerformanceLevelOf(men, 1.0, d, "m"), 1.0);
        EXPECT_LE(PerformanceLevelOf(men, 1.3, d, "m"), std::sqrt(1.3) + 1e-15);
    }
}

struct AgeCase {
    const char* sex;
    double age;
    double distance;
    double level;
    double factor;
};

TEST(AgeFactor, DeclineWithAgeAndAbility) {
    const AgeCase cases[] = {
        {"m", 20, 10000, 1, 1.0319},   {"m", 40, 10000, 1, 1.0466}, {"m", 60, 10000, 1, 1.2257},
        {"m", 80, 10000, 1, 1.6332},   {"f", 40, 10000, 1, 1.0498}, {"f", 60, 10000, 1, 1.2490},
        {"m", 60, 10000, 0.7, 1.3278}, {"m", 60, 100, 1, 1.2106},
    };
    for (const AgeCase& c : cases) {
        EXPECT_NEAR(AgeFactorAt(c.age, c.distance, c.level, c.sex), c.factor, 0.00005)
            << c.sex << " " << c.age << " " << c.distance;
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

TEST(EnduranceFactor, RecordAndIndividualForms) {
    EXPECT_DOUBLE_EQ(EnduranceFactor(6300, 0.0522, 0, "m"), 1.0);
    EXPECT_NEAR(EnduranceFactor(42195, 0.0522, 0, "m"), std::pow(6300.0 / 42195.0, 0.0522), 1e-15);
    EXPECT_NE(EnduranceFactor(20000, 0.0522, 0, "f"), EnduranceFactor(20000, 0.0522, 0, "m"));
    const double ripple = 1 - 0.004 * std::cos(5 * 3.14159 * std::log(9000.0 / 20750.0) / 7);
    EXPECT_DOUBLE_EQ(EnduranceFactor(9000, 0.05, 1, "m"), ripple);
    EXPECT_LT(EnduranceFactor(42195, 0.05, 1, "m"), EnduranceFactor(42195, 0.03, 1, "m"));
    EXPECT_LT(EnduranceFactor(100000, 0.05, 1, "m"), 1.0);
}

}  // namespace
}  // namespace kestrova
