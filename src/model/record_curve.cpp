#include "model/record_curve.hpp"

#include <cmath>
#include <limits>

#include "model/age_adjusted_ratio.hpp"
#include "model/bounded_search.hpp"
#include "model/endurance_factor.hpp"
#include "model/time_adjustment.hpp"

namespace kestrova {
namespace {

constexpr double kPi = kPiApprox;
constexpr int kLevelSolverPasses = 101;
// The level solve's pass limit, and how close its result's level must be to the level asked for
// (the loop's own stopping margin) to be kept.
constexpr double kLevelTolerance = 0.00001;
constexpr int kTimeDoublings = 64;
constexpr int kTimeSolverPasses = 200;
constexpr double kSolvedTimeWidth = 1e-13;

// How far below sqrt(x) a level must be to be below pow(x, 0.5) for certain: the two differ by at
// most about one unit in the last place (2.2e-16 relative), far inside this margin.
constexpr double kSurelyBelowSquareRoot = 1.0 - 1e-14;

// The level capped at pow(x, 0.5). The cap's own value is worked out only when the level comes
// near sqrt(x); further below it cannot bind, and the level stands as it is. This keeps the cap
// exactly as pow gives it while sparing a pow on most levels.
double CappedAtSquareRoot(double level, double x) {
    if (level <= std::sqrt(x) * kSurelyBelowSquareRoot) {
        return level;
    }
    const double ceiling = std::pow(x, 0.5);
    return level > ceiling ? ceiling : level;
}

struct RecordConstants {
    double baseSpeed;
    double powerCoefficient;
    double decayExponent;
    double fadeCoefficient;
};

RecordConstants ConstantsFor(std::string_view sex) {
    if (sex == "f") {
        return {5.395, 232.0, 0.72, 0.05085};
    }
    return {6.0445, 264.0, 0.725, 0.0522};
}

double RecordSpeed(const FittedCurve& curve, std::string_view sex, double d) {
    const RecordConstants c = ConstantsFor(sex);
    double v = c.baseSpeed + c.powerCoefficient * std::pow(d, -c.decayExponent);
    if (d < 800.0) {
        const double l = std::log(385.0 / d);
        const double s = 1.0 - 0.4 * std::pow(std::fabs(l / 2.293), 2.0 - 0.4 * l);
        v = v * 1.03 * s;
        if (d > 330.0) {
            v = v * (1.0 - 0.0065 * std::cos((d - 575.0) * kPi / 490.0));
        }
        if (sex == "f") {
            v = v * (1.016 - 0.016 * d / 820.0);
        }
    }
    if (d > 6300.0) {
        v = v * EnduranceFactor(d, c.fadeCoefficient, 0.0, curve.sex);
    }
    return v;
}

// Steps the time from the record time towards `level`, each pass scaling it by the square root of
// the level reached over the level asked for, until the level reached is within the margin above
// it. A level above 1 − margin ends on the first pass with recordTime · (1 / level)^0.5.
struct LevelSteps {
    double time;
    bool firstPassEnded;
};

LevelSteps StepTowardsLevel(const FittedCurve& curve, std::string_view sex, double recordTime,
                            double d, double level) {
    double time = recordTime;
    for (int pass = 0; pass < kLevelSolverPasses; ++pass) {
        const double reached = PerformanceLevelOf(curve, recordTime / time, d, sex);
        time = time * std::pow(reached / level, 0.5);
        if (reached < level + kLevelTolerance) {
            return {time, pass == 0};
        }
    }
    return {time, false};
}

// The time whose level is `level`. The level falls as the time grows, from 1 at the record time
// towards 0. The stepping loop's result is kept where its level is within the margin of the level
// asked for; where it is not (it ran out of passes or stopped on a pass that overshot), the time
// is found within the bracket between the record time and a doubled time whose level is below.
double SolveForLevel(const FittedCurve& curve, std::string_view sex, double recordTime, double d,
                     double level) {
    const LevelSteps steps = StepTowardsLevel(curve, sex, recordTime, d, level);
    const auto levelAt = [&](double time) {
        return PerformanceLevelOf(curve, recordTime / time, d, sex);
    };
    if (steps.firstPassEnded || std::fabs(levelAt(steps.time) - level) <= kLevelTolerance) {
        return steps.time;
    }
    const auto shortfall = [&](double time) { return level - levelAt(time); };
    const std::optional<double> high = DoubleUntil(
        recordTime, kTimeDoublings, [&](double time) { return shortfall(time) >= 0.0; });
    if (!high) {
        return steps.time;
    }
    return SolveBracketed(recordTime, *high, kTimeSolverPasses, kSolvedTimeWidth, shortfall);
}

}  // namespace

int AgeFlagFromInputs(const FittedCurve& curve) {
    return (curve.agecomp == 1 || curve.ageTableFlag == 1 || curve.timesByAgeSelected) ? 1 : 0;
}

void UpdateAgeFlag(ModelState& state) {
    state.ageFlag = AgeFlagFromInputs(state);
}

double TimeAtLevel(const FittedCurve& curve, std::string_view sex, double recordOnly, double d,
                   double level) {
    const double speed = RecordSpeed(curve, sex, d);
    const double ageFactor =
        AgeFlagFromInputs(curve) == 1 ? AgeFactorAt(curve.age, d, 1.0, sex) : 1.0;
    const double recordTime = ageFactor * ((d / speed + 2.0) + 0.04);
    if (recordOnly != 0.0) {
        return recordTime;
    }
    if (!(level > 0.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return SolveForLevel(curve, sex, recordTime, d, level);
}

double PerformanceLevel(const FittedCurve& curve, double& speedRatio, double d,
                        std::string_view sex) {
    const bool female = sex == "f";
    const double skew = female ? 0.9 : 1.25;
    if (AgeFlagFromInputs(curve) == 1) {
        speedRatio = AgeAdjustedRatio(curve.age, d, speedRatio, sex);
    }
    const double x = speedRatio;
    const double exponent = 0.9 * (1.0 - skew * std::log(d / 1600.0) / (5.0 + d / 3000.0));
    double level = std::pow(x, exponent);
    if (female) {
        level = std::pow(level, std::pow(0.735, (1.0 + x) - 0.76));
    }
    return CappedAtSquareRoot(level, x);
}

double AgeFactor(double age, double d, double& level, std::string_view sex) {
    const bool female = sex == "f";
    const double divisor = female ? 205.0 : 210.0;
    const double rate = 0.0023 * (1.0 - 0.015 * std::fabs(std::log(0.00046 * d)));
    const double peak = 26.4 + 0.9 * std::log(d / 1000.0);
    double years = age >= peak ? age - peak : 0.0;
    double flatTop = 0.0;
    if (female) {
        flatTop = 1.5;
        years = 1.04 * years;
    }
    if (age < peak - flatTop) {
        const double effectivePeak = peak - flatTop;
        const double young = (27.0 * (27.0 - age) + age * effectivePeak) / 27.0 - age;
        years = female ? 0.622 * (young + 0.044 * std::pow(young, 2.3))
                       : 0.724 * (young + 0.017 * std::pow(young, 2.6));
    }
    if (level < 0.5) {
        level = 0.5;
    }
    const double exponent = 1.05 + (peak + years) / (divisor * std::pow(level, 0.9));
    double factor = 1.0 + rate * std::pow(years, exponent);
    if (age > 50.0 && d < 650.0) {
        factor = factor * (1.0 - 7.1e-06 * (age - 50.0) * (650.0 - d));
    }
    return factor;
}

double PerformanceLevelOf(const FittedCurve& curve, double speedRatio, double d,
                          std::string_view sex) {
    return PerformanceLevel(curve, speedRatio, d, sex);
}

double AgeFactorAt(double age, double d, double level, std::string_view sex) {
    return AgeFactor(age, d, level, sex);
}

}  // namespace kestrova
