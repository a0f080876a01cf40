#pragma once

#include <string_view>

namespace kestrova {

// The long-distance fade, a speed multiplier below 1 (a time divisor). Mode 0 is the record
// curve's form, used above 6300 m with the record coefficient; any other mode is the runner's
// own form, used above 9000 m with the runner's fade coefficient. `sex` is the runner's sex of
// the model state, which shapes the record form.
double EnduranceFactor(double distance, double coefficient, double mode, std::string_view sex);

}  // namespace kestrova
