#include <optional>
#include <string>

#include "analyses/training_analysis.hpp"
#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {

// The best distance rounded to hundredths (halves to even) as a printed number.
std::string PrintedHundredths(double km) {
    const std::optional<long long> hundredths = RoundHalfEven(100.0 * km);
    if (!hundredths) {
        return " --- ";
    }
    return PrintedNumber(static_cast<double>(*hundredths) / 100.0);
}

namespace {

// " <pace per mile> min/mi = <pace per km> min/km." after the line's own words.
void WritePaceLine(TextSink& sink, const char* words, double speed) {
    sink.Write(words);
    sink.Write(FormatTime(kMetersPerMile / speed));
    sink.Write(" min/mi = ");
    sink.Write(FormatTime(1000.0 / speed));
    sink.Write(" min/km.");
    sink.EndLine();
}

void WritePaces(const TrainingAnalysis& analysis, TextSink& sink) {
    WritePaceLine(sink, " Estimated fully aerobic training pace =  ", analysis.aerobicSpeed);
    WritePaceLine(sink, " Estimated anaerobic threshhold pace = ", analysis.thresholdSpeed);
    WritePaceLine(sink, " Estimated VO2 max pace = ", analysis.vo2MaxSpeed);
    sink.Write(" Estimated VO2 max (ml/kg/min) = ");
    sink.Write(PrintedWholeNumber(analysis.vo2Max));
    sink.EndLine();
    sink.Write(" Best performances likely with race distances ");
    sink.Write(analysis.band);
    sink.Write("  (peak at ");
    sink.Write(PrintedHundredths(analysis.bestKm));
    sink.Write(" km).");
    sink.EndLine();
}

void WriteVolumeComment(const TrainingAnalysis& analysis, TextSink& sink) {
    sink.Write(" Performance level and specialty typically associated with training level of");
    sink.EndLine();
    sink.Write(" about");
    sink.Write(PrintedWholeNumber(analysis.typicalMiles));
    sink.Write("miles (");
    sink.Write(PrintedWholeNumber(analysis.typicalMiles * 1.61));
    sink.Write("km) per week.  Considering input training volume of");
    sink.Write(PrintedNumber(analysis.weeklyMiles));
    sink.EndLine();
    sink.Write(" miles per week, this suggests that this runner's potentially best distance");
    sink.EndLine();
    sink.Write(analysis.verdict);
    sink.Write(" the value shown above.");
    sink.EndLine();
}

}  // namespace

void WriteTrainingAnalysis(const TrainingAnalysis& analysis, OutputForm form, TextSink& sink) {
    if (form != OutputForm::Window) {
        WriteEmptyLine(sink, form);
    }
    sink.Write(" TRAINING AND SPECIALIZATION ANALYSIS:");
    sink.EndLine();
    WriteEmptyLine(sink, form);
    WritePaces(analysis, sink);
    WriteEmptyLine(sink, form);
    WriteVolumeComment(analysis, sink);
    WriteEmptyLine(sink, form);
}

}  // namespace kestrova
