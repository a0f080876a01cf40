#pragma once

#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"

namespace kestrova {

// The state as the main window holds it right after start-up with these inputs shown: the
// program's start-up values, the weight of the weight bar and the age-comparison box.
ModelState StartUpState(const MainFormInputs& form);

// The one place where the main window's "Use age-based comparisons" box reaches the state (the
// age flag of the record curve is derived from it and the performance tables' two inputs).
void TakeAgeComparison(ModelState& state, const MainFormInputs& form);

}  // namespace kestrova
