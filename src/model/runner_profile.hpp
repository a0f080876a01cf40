#pragma once

#include <string>

#include "model/main_form_inputs.hpp"

namespace kestrova {

enum class FitMode { BestTwo, AllData };

// The runner's data as Calculate reads it from the main window.
struct RunnerProfile {
    std::string name;
    double age = 0.0;
    std::string sex;  // "m", "f", or empty when neither button is selected
    int weeklyMiles = 0;
    double comparisonLevel = 1.0;  // fraction
    FitMode fitMode = FitMode::AllData;
    bool metricOutput = true;
};

// "Fit best two" when Option7 is selected; "Use all data" otherwise (also when neither button is
// selected, as the full report then describes it).
FitMode SelectedFitMode(const MainFormInputs& form);

RunnerProfile ReadRunnerProfile(const MainFormInputs& form);

}  // namespace kestrova
