#pragma once

#include <string>

#include "analyses/output_form.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The race list's line for one race row: the entered time, " for ", the number as typed and the
// unit ("     " FormatTime " for 5 km"); a marathon or half marathon row names the race instead
// of its number ("... for marathon ").
std::string ReportRaceLine(const RaceRowInputs& row);

// The age text of the comparing line: "open class", or with age grading on the runner's age as
// a number with its sign blank (" 35").
std::string ReportAgeText(const ModelState& state);

// The report down to the table's header: the runner, the weekly distance, the ticked races,
// the fit and the comparison level. Brings the state's age flag up to date first, so that the
// age text describes the rows that follow.
void WriteReportHeader(ModelState& state, const MainFormInputs& form, OutputForm outputForm,
                       TextSink& sink);

}  // namespace kestrova
