#include "analyses/any_distance.hpp"

#include <cmath>

#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

const std::string kBlankTime(10, ' ');

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

std::string LevelLineText(const PredictionRow& level) {
    const double t = level.prediction.raceTime;
    const std::string speedPercent =
        level.hasComparison ? WholeNumberText(100.0 * level.speedRatio) : std::string();
    return TimeAndPaces(t, level.distance) + ComparisonText(level) + "        " + speedPercent +
           "           " + WholeNumberText(100.0 * level.perfLevel);
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
