#include "model/runner_profile.hpp"

#include "model/number_reader.hpp"

namespace kestrova {

FitMode SelectedFitMode(const MainFormInputs& form) {
    return form.Option7 ? FitMode::BestTwo : FitMode::AllData;
}

bool IsAgeOutOfRange(double age) {
    return age != 0.0 && !(age >= kYoungestAge && age <= kOldestAge);
}

RunnerProfile ReadRunnerProfile(const MainFormInputs& form) {
    RunnerProfile profile;
    profile.name = form.txtname;
    profile.age = ReadAsNumber(form.txtage);
    if (form.optmale) {
        profile.sex = "m";
    }
    if (form.optfemale) {
        profile.sex = "f";
    }
    profile.weeklyMiles = form.HScroll1;
    profile.comparisonLevel = form.HScroll2 / 1000.0;
    profile.fitMode = SelectedFitMode(form);
    profile.metricOutput = form.Option9;
    return profile;
}

}  // namespace kestrova
