#include "analyses/any_distance.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

const std::string kBlankTime(10, ' ');

// The result lines' columns: each heading word ends where its figure's last digit stands (0-based
// character index). The five times end there as FormatTime writes them (two blanks after a time
// of a minute or more); the two per cents are written to end there.
struct ResultColumn {
    const char* word;
    std::size_t end;
};
constexpr std::array<ResultColumn, 7> kResultColumns = {{
    {"Time", 9},
    {"Per Mi", 20},
    {"Per km", 33},
    {"Per 400", 48},
    {"Record", 63},
    {"%Spd", 75},
    {"P.Level", 88},
}};
constexpr std::size_t kHillColumns = 5;  // the hill line has no %Spd and P.Level

// Appends text so that its last character stands at index `end`, or one blank after the line
// when the line already reaches that far.
void AppendEndingAt(std::string& line, const std::string& text, std::size_t end) {
    const std::size_t start = end + 1 > text.size() ? end + 1 - text.size() : 0;
    line.resize(std::max(start, line.size() + 1), ' ');
    line += text;
}

// A whole number of per cent, halves to the even neighbour, in digits without blanks.
std::string WholeNumberText(double value) {
    const std::optional<long long> whole = RoundHalfEven(value);
    return whole ? std::to_string(*whole) : "---";
}

std::string ComparisonText(const PredictionRow& level) {
    return level.hasComparison ? FormatTime(level.comparisonTime) : kBlankTime;
}

// A time with the three paces of its speed over d, as both result lines start.
std::string TimeAndPaces(double time, double d) {
    const double v = d / time;
    return "  " + FormatTime(time) + " " + FormatTime(kMetersPerMile / v) + "   " +
           FormatTime(1000.0 / v) + "     " + FormatTime(400.0 / v) + "     ";
}

bool InputsUsable(double d, double slope, Notifier& notifier) {
    if (!(d > 0.0) || !std::isfinite(d)) {
        notifier.Show(kSpecialDistanceMessage);
        return false;
    }
    if (!(std::fabs(slope) < 1.0)) {
        notifier.Show(kSpecialSlopeMessage);
        return false;
    }
    return true;
}

void RunHillLine(ModelState& state, SpecialResult& result, Notifier& notifier) {
    double slope = result.slope;
    result.hill = SolveConstantSlope(state, slope, result.distance);
    switch (result.hill->outcome) {
        case HillOutcome::Settled:
            result.Text5 = HillLineText(result.hill->time, result.level);
            return;
        case HillOutcome::NoEffort:
            notifier.Show(kSlopeBeyondModelMessage);
            break;
        case HillOutcome::NotSettled:
            notifier.Show(kHillNotSettledMessage);
            break;
    }
    result.Text5 = std::string();
}

void RunStrategyTable(ModelState& state, const SpecialFormInputs& inputs, SpecialResult& result,
                      TextSink& canvas, Notifier& notifier) {
    const SplitCurve curve = ComputeSplitCurve(state, result.distance);
    state.curDist = result.distance / 2.0;  // the split curve's last distance
    if (!curve.Usable()) {
        notifier.Show(kSplitCurveMessage);
        return;
    }
    const PacingCourse course = result.analysis == SpecialAnalysis::HalfUpHalfDown
                                    ? PacingCourse::HalfUpHalfDown
                                    : PacingCourse::UnevenSplits;
    result.table = ComputePacingTable(curve, course, result.slope, result.distance);
    PrintPacingTable(*result.table, inputs.paceUnit, canvas);
    if (result.table->end == PacingEnd::NoEffort) {
        notifier.Show(kSlopeBeyondModelMessage);
    }
}

}  // namespace

std::string SpecialHeadingText(SpecialLine line) {
    const std::size_t count = line == SpecialLine::Level ? kResultColumns.size() : kHillColumns;
    std::string heading;
    for (std::size_t i = 0; i < count; ++i) {
        AppendEndingAt(heading, kResultColumns[i].word, kResultColumns[i].end);
    }
    return heading;
}

std::string LevelLineText(const PredictionRow& level) {
    const double t = level.prediction.raceTime;
    std::string line = TimeAndPaces(t, level.distance) + ComparisonText(level);
    if (level.hasComparison) {
        AppendEndingAt(line, WholeNumberText(100.0 * level.speedRatio), kResultColumns[5].end);
    }
    AppendEndingAt(line, WholeNumberText(100.0 * level.perfLevel), kResultColumns[6].end);
    return line;
}

std::string HillLineText(double hillTime, const PredictionRow& level) {
    return TimeAndPaces(hillTime, level.distance) + ComparisonText(level);
}

SpecialResult CalculateSpecial(ModelState& state, const SpecialFormInputs& inputs,
                               double comparisonLevel, SpecialFormMemory& memory, TextSink& canvas,
                               Notifier& notifier) {
    SpecialResult result;
    result.analysis = ChosenAnalysis(inputs);
    result.distance = SpecialDistance(inputs);
    result.slope = SpecialSlope(inputs);
    if (!InputsUsable(result.distance, result.slope, notifier)) {
        return result;
    }
    canvas.Clear();
    result.paceSwitchShown = HasStrategyTable(result.analysis);
    result.level = EvaluatePredictionRow(state, std::string(), result.distance, comparisonLevel);
    KeepRowInState(state, result.level);
    if (!std::isfinite(result.level.prediction.raceTime)) {
        notifier.Show(kSpecialNoTimeMessage);
        return result;
    }
    result.computed = true;
    result.Text4 = LevelLineText(result.level);
    StoreSpecialInputs(inputs, memory);
    if (result.analysis == SpecialAnalysis::ConstantSlope) {
        RunHillLine(state, result, notifier);
    } else if (HasStrategyTable(result.analysis)) {
        RunStrategyTable(state, inputs, result, canvas, notifier);
    }
    return result;
}

}  // namespace kestrova
