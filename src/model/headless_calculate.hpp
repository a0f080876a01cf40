#pragma once

#include "model/calculate.hpp"

namespace kestrova {

// A runner described by two times instead of race rows: the performance tables fit a curve
// through an 800 m and a 5000 m time and fill one column of levelTableTimes.
struct SyntheticRunner {
    double synth800 = 0.0;   // seconds
    double synth5000 = 0.0;  // seconds
    int levelColumn = 0;     // 0 .. kLevelTableColumns - 1
};

// Calculate in its headless mode: the curve through the two times (the age and the race rows of
// the form are not read; its profile is), levelTableTimes[1..24][levelColumn] at levelTableDist,
// nothing printed. syntheticMode is 1 only for the length of the call, so a later Calculate
// reads the race rows again whatever happens inside.
CalculateOutcome CalculateHeadless(ModelState& state, MainFormInputs& form,
                                   const SyntheticRunner& runner, Notifier& notifier);

}  // namespace kestrova
