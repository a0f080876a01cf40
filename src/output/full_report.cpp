#include "output/full_report.hpp"

#include <array>

#include "analyses/output_form.hpp"
#include "analyses/training_analysis.hpp"
#include "model/curve_character.hpp"
#include "model/number_text.hpp"
#include "model/pace_model.hpp"
#include "model/prediction_table.hpp"
#include "model/record_curve.hpp"
#include "model/start_up_state.hpp"
#include "model/time_format.hpp"
#include "output/report_header.hpp"

namespace kestrova {
namespace {

// One row of predictions for distance d. Keeps the 800 m time for the specialization index that
// the 5000 m row sets, as the prediction table does.
void WriteReportRow(ModelState& state, const ReportDistance& distance, double level, double& t800,
                    TextSink& sink) {
    const PredictionRow row = EvaluatePredictionRow(state, distance.label, distance.meters, level);
    KeepRowInState(state, row);
    const Prediction& prediction = row.prediction;
    const double t = prediction.raceTime;
    if (row.distance == 800.0) {
        t800 = t;
    }
    if (row.distance == 5000.0) {
        state.specIndex = SpecializationIndex(t, t800);
    }

    sink.Write(distance.label);
    sink.MoveToColumn(14);
    sink.Write(FormatTime(t));
    sink.MoveToColumn(25);
    sink.Write(FormatTime(prediction.pacePerMile));
    sink.MoveToColumn(35);
    sink.Write(FormatTime(prediction.pacePerKm));
    sink.MoveToColumn(45);
    sink.Write(FormatTime(prediction.pacePer400));
    if (row.hasComparison) {
        // A comparison level of 0 has no time; its two columns stay blank, as in the window's
        // prediction table.
        sink.MoveToColumn(55);
        sink.Write(FormatTime(row.comparisonTime));
        sink.MoveToColumn(68);
        sink.Write(PrintedWholeNumber(100.0 * row.comparisonTime / t));
    }
    sink.MoveToColumn(76);
    sink.Write(PrintedWholeNumber(100.0 * row.perfLevel));
    sink.EndLine();
}

constexpr std::array<ReportDistance, kReportDistanceCount> kReportDistances{{
    {"     100 yd ", 91.44},   {"      100 m ", 100.0},    {"      200 m ", 200.0},
    {"     220 yd ", 201.17},  {"      400 m ", 400.0},    {"     440 yd ", 402.34},
    {"      600 m ", 600.0},   {"      800 m ", 800.0},    {"     880 yd ", 804.67},
    {"     1000 m ", 1000.0},  {"     1200 m ", 1200.0},   {"     1500 m ", 1500.0},
    {"     1600 m ", 1600.0},  {"       1 mi ", 1609.34},  {"     3000 m ", 3000.0},
    {"     3200 m ", 3200.0},  {"       2 mi ", 3218.69},  {"       3 mi ", 4828.03},
    {"     5000 m ", 5000.0},  {"       4 mi ", 6437.38},  {"     8000 m ", 8000.0},
    {"       5 mi ", 8046.72}, {"       6 mi ", 9656.06},  {"      10 km ", 10000.0},
    {"      15 km ", 15000.0}, {"      10 mi ", 16093.44}, {"      20 km ", 20000.0},
    {" half mara. ", 21097.5}, {"      30 km ", 30000.0},  {"   marathon ", 42195.0},
}};

}  // namespace

const std::array<ReportDistance, kReportDistanceCount>& ReportDistances() {
    return kReportDistances;
}

void ProduceFullReport(ModelState& state, const MainFormInputs& form, TextSink& sink) {
    const OutputForm outputForm = OutputFormFor(kAnalysisReportTarget, state.reportDestination);
    // The record functions grade for age by the main window's box as it is now.
    TakeAgeComparison(state, form);
    UpdateAgeFlag(state);
    WriteReportHeader(state, form, outputForm, sink);
    WriteEmptyLine(sink, outputForm);
    sink.Write(kReportTableHeader);
    sink.EndLine();
    WriteEmptyLine(sink, outputForm);
    const double level = form.HScroll2 / 1000.0;
    double t800 = 0.0;
    for (const ReportDistance& distance : ReportDistances()) {
        WriteReportRow(state, distance, level, t800, sink);
    }
    RunTrainingAnalysis(state, kAnalysisReportTarget, sink);
}

std::vector<std::string> FullReportFileLines(ModelState& state, const MainFormInputs& form) {
    state.reportDestination = kReportToTextFile;
    LineBuffer buffer;
    ProduceFullReport(state, form, buffer);
    return buffer.Lines();
}

}  // namespace kestrova
