#pragma once

#include <string>

#include "model/main_form_inputs.hpp"

namespace kestrova {

// The ages of people who race. The age sets the training allowance of the fit and, with age
// comparisons, grades the record curve, whose age factors mean nothing for a newborn or beyond
// the oldest record holders (past 100); outside these bounds the tables fill with nonsense.
inline constexpr double kYoungestAge = 5.0;
inline constexpr double kOldestAge = 110.0;
inline constexpr const char* kAgeOutOfRangeMessage =
    "The age in the Age box must be from 5 to 110 years.";

// Whether an age read from the Age box is one Calculate refuses: a number outside the racing
// ages. A blank or non-numeric box reads as 0 and is not refused here (Calculate says
// "Non-numeric age entry" and goes on, as it always has).
bool IsAgeOutOfRange(double age);

enum class FitMode { BestTwo, AllData };

// The runner's data that Calculate keeps from the main window (the comparison level, fit mode and
// output units are read where they are used).
struct RunnerProfile {
    double age = 0.0;
    std::string sex;  // "m", "f", or empty when neither button is selected
    int weeklyMiles = 0;
};

// "Fit best two" when Option7 is selected; "Use all data" otherwise (also when neither button is
// selected, as the full report then describes it).
FitMode SelectedFitMode(const MainFormInputs& form);

RunnerProfile ReadRunnerProfile(const MainFormInputs& form);

}  // namespace kestrova
