#pragma once

#include <vector>

#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/prediction_table.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

enum class CalculateOutcome {
    Stopped,    // a validation message stopped the run; the previous curve is still in place
    Completed,  // the curve was fitted and (in a normal run) the table printed
};

struct CalculateResult {
    CalculateOutcome outcome = CalculateOutcome::Stopped;
    std::vector<PredictionRow> rows;  // the printed table (empty for a stopped or synthetic run)
};

// One run of the model: reads and validates the main window's races and runner profile, fits
// the runner's curve into the state and prints the prediction table on picture1. Messages go to
// the notifier in the order the user sees them. With state.syntheticMode = 1 it fits the curve
// through synth800 and synth5000 instead, fills levelTableTimes and prints nothing.
CalculateResult Calculate(ModelState& state, MainFormInputs& form, TextSink& picture1,
                          Notifier& notifier);

}  // namespace kestrova
