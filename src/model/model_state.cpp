#include "model/model_state.hpp"

namespace kestrova {

void ApplyStartUpValues(ModelState& state) {
    state.graphScale = 4;
    state.graphUnits = "m";
    state.sex = "m";
    state.weightKg = 72.7;
    state.gradeDefinition = 1;
}

}  // namespace kestrova
