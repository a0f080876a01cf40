#include "model/record_curve.hpp"

#include <cmath>
#include <limits>

#include "model/endurance_factor.hpp"
#include "model/time_adjustment.hpp"

namespace kestrova {
namespace {

constexpr double kPi = kPiApprox;
constexpr int kLevelSolverPasses = 101;
constexpr int kAgeAdjustPasses = 5;

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

double RecordSpeed(const ModelState& state, std::string_view sex, double d) {
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
        v = v * EnduranceFactor(d, c.fadeCoefficient, 0.0, state.sex);
    }
    return v;
}

double SolveForLevel(const ModelState& state, std::string_view sex, double recordTime, double d,
                     double level) {
    double time = recordTime;
    for (int pass = 0; pass < kLevelSolverPasses; ++pass) {
        const double reached = PerformanceLevelOf(state, recordTime / time, d, sex);
        time = time * std::pow(reached / level, 0.5);
        if (reached < level + 0.00001) {
            break;
        }
    }
    return time;
}

}  // namespace

void UpdateAgeFlag(ModelState& state) {
    state.ageFlag = AgeFlagFromInputs(state);
}

int AgeFlagFromInputs(const ModelState& state) {
    return (state.agecomp == 1 || state.ageTableFlag == 1 || state.timesByAgeSelected) ? 1 : 0;
}

double TimeAtLevel(ModelState& state, std::string_view sex, double recordOnly, double d,
                   double level) {
    UpdateAgeFlag(state);
    const double speed = RecordSpeed(state, sex, d);
    const double ageFactor = state.ageFlag == 1 ? AgeFactorAt(state.age, d, 1.0, sex) : 1.0;
    const double recordTime = ageFactor * ((d / speed + 2.0) + 0.04);
    if (recordOnly != 0.0) {
        return recordTime;
    }
    if (!(level > 0.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return SolveForLevel(state, sex, recordTime, d, level);
}

double PerformanceLevel(const ModelState& state, double& speedRatio, double d,
                        std::string_view sex) {
    const bool female = sex == "f";
    const double skew = female ? 0.9 : 1.25;
    if (state.ageFlag == 1) {
        const double atPeak = AgeFactorAt(state.age, d, 1.0, sex);
        double adjusted = speedRatio;
        for (int pass = 0; pass < kAgeAdjustPasses; ++pass) {
            adjusted = speedRatio * AgeFactor(state.age, d, adjusted, sex) / atPeak;
        }
        speedRatio = adjusted;
    }
    const double x = speedRatio;
    const double exponent = 0.9 * (1.0 - skew * std::log(d / 1600.0) / (5.0 + d / 3000.0));
    double level = std::pow(x, exponent);
    if (female) {
        level = std::pow(level, std::pow(0.735, (1.0 + x) - 0.76));
    }
    const double ceiling = std::pow(x, 0.5);
    if (level > ceiling) {
        level = ceiling;
    }
    return level;
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

double PerformanceLevelOf(const ModelState& state, double speedRatio, double d,
                          std::string_view sex) {
    return PerformanceLevel(state, speedRatio, d, sex);
}

double AgeFactorAt(double age, double d, double level, std::string_view sex) {
    return AgeFactor(age, d, level, sex);
}

}  // namespace kestrova
