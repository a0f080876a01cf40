#pragma once

#include <string>
#include <vector>

#include "model/model_state.hpp"
#include "model/prediction_table.hpp"

namespace kestrova {

// The prediction table and the fitted curve as a JSON document (numbers in full precision; a
// value that could not be computed is null).
std::string PredictionJson(const std::vector<PredictionRow>& rows, const ModelState& state);

}  // namespace kestrova
