#include "model/age_adjusted_ratio.hpp"

#include <cmath>

#include "model/bounded_search.hpp"
#include "model/record_curve.hpp"

// Why the equation y = x · g(y), with g(y) = AgeFactor(age, d, y) / AgeFactor(age, d, 1), has
// exactly one answer y for every speed ratio x > 0 that a race gives:
//
// - The masters sprint relief multiplies both factors alike and cancels, so
//   g(y) = (1 + R · Y^X(y)) / (1 + R · Y^X(1)) with X(y) = 1.05 + (Pk + Y) / (M · y^0.9), and
//   y is raised to 0.5 below 0.5, so g is continuous, positive and flat below 0.5.
// - h(y) = y − x · g(y) is negative at y = 0 and positive for y large enough (g is bounded as y
//   grows, X tending to 1.05), so there is at least one answer; a bracket [0, hi] is found by
//   doubling hi.
// - At least a year from the peak (Y ≥ 1), Y^X falls as y rises, so g falls and h rises strictly:
//   one answer. Within a year of the peak (Y < 1), g rises, but by at most
//   R · |Y^X ln Y| · |X'(y)| ≤ 0.0023 · 0.35 · 0.66 < 6e-4 per unit of y (|Y^X ln Y| ≤ 1/(e·X)
//   and y ≥ 0.5), so h still rises strictly for every ratio below 1 / 6e-4 ≈ 1700 (a race at
//   1700 times record speed).
//
// The answer therefore rises with x: a faster time gives a higher adjusted ratio and level. As
// the age changes it follows the age factor, continuously wherever that factor is (the factor's
// young-runner and older-runner forms meet at the peak age with a step of at most 0.08 %). Had a
// ratio beyond the bound several answers, the bracketed search would end on one of them, one
// where h changes sign.
//
// The substitution y ← x · g(y) moves the error by the factor x · g'(y). Where that factor is
// small, five passes land on the answer to many digits and are kept bit for bit; where it is near
// or beyond −1 (old runners, children, whom the young-runner form ages by decades, and weak
// levels from middle age on) they swing about the answer and are replaced.

namespace kestrova {
namespace {

constexpr int kFivePasses = 5;
// Five passes count as settled when the answer lies within this relative distance of their
// result: 0.04 s on a ten-hour time shown to the second, 0.0001 points on a level shown to one.
constexpr double kSettledTolerance = 1e-6;
constexpr int kBracketDoublings = 64;
constexpr int kSolverPasses = 200;
constexpr double kSolvedWidth = 1e-14;

}  // namespace

double AgeAdjustedRatioFivePasses(double age, double d, double speedRatio, std::string_view sex) {
    const double atPeak = AgeFactorAt(age, d, 1.0, sex);
    double adjusted = speedRatio;
    for (int pass = 0; pass < kFivePasses; ++pass) {
        adjusted = speedRatio * AgeFactor(age, d, adjusted, sex) / atPeak;
    }
    return adjusted;
}

double AgeAdjustedRatio(double age, double d, double speedRatio, std::string_view sex) {
    const double fivePasses = AgeAdjustedRatioFivePasses(age, d, speedRatio, sex);
    if (!(speedRatio > 0.0) || !std::isfinite(speedRatio) || !std::isfinite(fivePasses)) {
        return fivePasses;
    }
    const double atPeak = AgeFactorAt(age, d, 1.0, sex);
    const auto excess = [&](double y) {
        return y - speedRatio * AgeFactorAt(age, d, y, sex) / atPeak;
    };
    if (excess(fivePasses * (1.0 - kSettledTolerance)) <= 0.0 &&
        excess(fivePasses * (1.0 + kSettledTolerance)) >= 0.0) {
        return fivePasses;
    }
    const std::optional<double> high =
        DoubleUntil(1.0, kBracketDoublings, [&](double y) { return excess(y) >= 0.0; });
    if (!high) {
        return fivePasses;
    }
    return SolveBracketed(0.0, *high, kSolverPasses, kSolvedWidth, excess);
}

}  // namespace kestrova
