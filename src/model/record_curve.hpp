#pragma once

#include <string_view>

#include "model/model_state.hpp"

namespace kestrova {

// The modelled world-record curve and the performance level that rates a time against it.
// All three read the runner's age and the age flag from the model state.

// Sets the state's age flag from its three inputs: the main window's age-comparison box, the
// age table being generated, and the performance tables' "Times by age for level" option.
void UpdateAgeFlag(ModelState& state);

// The age flag those three inputs give (1 on, 0 off), without storing it.
int AgeFlagFromInputs(const ModelState& state);

// With recordOnly not 0: the modelled record time (s) at distance d, age-graded when the age flag
// is on. With recordOnly 0: the time whose performance level equals `level`. Recomputes the age
// flag first. A level of 0 or less cannot be solved for and gives NaN.
double TimeAtLevel(ModelState& state, std::string_view sex, double recordOnly, double d,
                   double level);

// The performance level of a speed ratio (record time / runner's time) at distance d. With the
// age flag on, speedRatio is overwritten with the age-adjusted ratio.
double PerformanceLevel(const ModelState& state, double& speedRatio, double d,
                        std::string_view sex);

// The age grading multiplier of the record time, 1 at the peak age. A level below 0.5 is raised
// to 0.5 in the caller's variable before use.
double AgeFactor(double age, double d, double& level, std::string_view sex);

// Convenience forms for callers that pass a temporary.
double PerformanceLevelOf(const ModelState& state, double speedRatio, double d,
                          std::string_view sex);
double AgeFactorAt(double age, double d, double level, std::string_view sex);

}  // namespace kestrova
