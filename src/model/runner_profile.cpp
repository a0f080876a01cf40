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
    profile.age = ReadAsNumber(form.txtage);
    if (form.optmale) {
        profile.sex = "m";
    }
    if (form.optfemale) {
        profile.sex = "f";
    }
    profile.weeklyMiles = form.HScroll1;
    return profile;
}

}  // namespace kestrova
