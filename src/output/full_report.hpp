#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The report's destinations, as reportDestination holds them.
inline constexpr int kReportToPrinter = 0;
inline constexpr int kReportToTextFile = 1;

inline constexpr int kReportDistanceCount = 30;

struct ReportDistance {
    const char* label;  // 12 characters
    double meters;
};

// The 30 race distances of the report, 100 yd to the marathon.
const std::array<ReportDistance, kReportDistanceCount>& ReportDistances();

inline constexpr const char* kReportTableHeader =
    "   Distance       Time    Per mile   Per km    Per 400   Record   % Spd  P.Level";

// The full report of the main window's inputs and the state's fitted curve: the runner and the
// races used, the fit, predictions for the 30 report distances and the training analysis. Its
// empty lines follow the destination in reportDestination (0 the printer: empty; otherwise the
// text file: one blank). Sets curDist and perfLevel (the marathon row's), specIndex (from the
// 800 m and 5000 m rows) and whatever the analysis sets.
void ProduceFullReport(ModelState& state, const MainFormInputs& form, TextSink& sink);

// The lines of the report text file: the report in its text-file form. Sets reportDestination
// to the text file.
std::vector<std::string> FullReportFileLines(ModelState& state, const MainFormInputs& form);

}  // namespace kestrova
