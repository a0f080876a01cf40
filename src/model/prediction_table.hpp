#pragma once

#include <string>
#include <vector>

#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/pace_model.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// One row of the prediction table, as printed and as the command line's JSON gives it.
struct PredictionRow {
    std::string label;
    double distance = 0.0;
    Prediction prediction;
    bool hasComparison = false;   // false when the comparison level is 0
    double comparisonTime = 0.0;  // time at the comparison level ("Record")
    double speedRatio = 0.0;      // comparisonTime / predicted time ("% Spd" / 100)
    double perfLevel = 0.0;       // "P.Level" / 100
};

inline constexpr const char* kPredictionTableHeader =
    "   Distance       Time      Per mile     Per km      Per 400     Record     % Spd    P.Level";

// The message shown once when the comparison scroll bar stands at 0, a level no time can be
// solved for; the "Record" and "% Spd" columns are then left blank.
inline constexpr const char* kZeroComparisonLevelMessage =
    "A comparison level of 0 cannot be compared with. The Record and % Spd columns are left blank;"
    " move the comparison level above 0 and calculate again.";

// One row at `meters` on the curve against the comparison level (a fraction; 0 leaves the
// comparison blank).
PredictionRow EvaluatePredictionRow(const FittedCurve& curve, std::string label, double meters,
                                    double level);

// What a table of predictions leaves in the state after each row: curDist at the row's distance
// and perfLevel at its level.
void KeepRowInState(ModelState& state, const PredictionRow& row);

// Prints the prediction table of the state's curve at the nine standard distances (metric or
// English by Option9), setting perfLevel and curDist as it goes (the last row's).
std::vector<PredictionRow> PrintPredictionTable(ModelState& state, const MainFormInputs& form,
                                                TextSink& sink, Notifier& notifier);

}  // namespace kestrova
