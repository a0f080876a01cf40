#pragma once

#include <string_view>

#include "model/model_state.hpp"

namespace kestrova {

// The modelled world-record curve and the performance level that rates a time against it.
// Both read the runner's age and the age grading switches from the curve; the grading is on when
// any of its three switches is.

// The age flag the curve's three switches give (1 on, 0 off).
int AgeFlagFromInputs(const FittedCurve& curve);

// Stores that flag in the state, for the full report's "Age =" text.
void UpdateAgeFlag(ModelState& state);

// With recordOnly not 0: the modelled record time (s) at distance d, age-graded when the age flag
// is on. With recordOnly 0: the time whose performance level equals `level`. A level of 0 or less
// cannot be solved for and gives NaN.
double TimeAtLevel(const FittedCurve& curve, std::string_view sex, double recordOnly, double d,
                   double level);

// The performance level of a speed ratio (record time / runner's time) at distance d. With the
// age flag on, speedRatio is overwritten with the age-adjusted ratio.
double PerformanceLevel(const FittedCurve& curve, double& speedRatio, double d,
                        std::string_view sex);

// The age grading multiplier of the record time, 1 at the peak age. A level below 0.5 is raised
// to 0.5 in the caller's variable before use.
double AgeFactor(double age, double d, double& level, std::string_view sex);

// Convenience forms for callers that pass a temporary.
double PerformanceLevelOf(const FittedCurve& curve, double speedRatio, double d,
                          std::string_view sex);
double AgeFactorAt(double age, double d, double level, std::string_view sex);

}  // namespace kestrova
