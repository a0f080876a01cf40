#pragma once

#include <string>

#include "analyses/output_form.hpp"
#include "model/model_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The analysis' targets: its own window, or the full report's destination (reportDestination).
inline constexpr int kAnalysisWindowTarget = 0;
inline constexpr int kAnalysisReportTarget = 1;

// The coaching figures the runner's curve gives.
struct TrainingAnalysis {
    double aerobicSpeed = 0.0;    // fully aerobic training speed (m/s)
    double thresholdSpeed = 0.0;  // anaerobic threshold speed
    double vo2MaxSpeed = 0.0;     // speed at VO2 max
    double vo2Max = 0.0;          // ml/kg/min
    double bestKm = 0.0;          // the likely best race distance
    const char* band = "";        // the band of race distances around it
    double typicalMiles = 0.0;    // weekly volume typical of the level and specialty
    int weeklyMiles = 0;          // weekly volume run
    const char* verdict = "";     // how the best distance shifts with the volume actually run
};

// Evaluates the runner's curve for the analysis. Sets perfLevel (the level at the first
// best-distance guess), specIndexAdj and bestDistGuess. Reads the specialization index that
// every completed Calculate sets from the curve.
TrainingAnalysis ComputeTrainingAnalysis(ModelState& state);

// Writes the analysis' lines in the given form: the printer and the text file start with an
// empty line, the window does not.
void WriteTrainingAnalysis(const TrainingAnalysis& analysis, OutputForm form, TextSink& sink);

// A distance in km rounded to hundredths (halves to even) as the analysis prints the best
// distance: " 4.82 ".
std::string PrintedHundredths(double km);

// Computes the analysis and writes it to `target`: 0 its window, any other value the full
// report's destination chosen by reportDestination (0 the printer, otherwise the text file).
void RunTrainingAnalysis(ModelState& state, int target, TextSink& sink);

}  // namespace kestrova
