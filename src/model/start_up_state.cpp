#include "model/start_up_state.hpp"

namespace kestrova {

ModelState StartUpState(const MainFormInputs& form) {
    ModelState state;
    ApplyStartUpValues(state);
    state.weightKg = WeightKgShown(form);
    TakeAgeComparison(state, form);
    return state;
}

void TakeAgeComparison(ModelState& state, const MainFormInputs& form) {
    state.agecomp = form.agecomp;
}

}  // namespace kestrova
