#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "analyses/any_distance.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "cli/runner_options.hpp"
#include "cli/stream_notifier.hpp"
#include "model/distance_unit.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

// --unit names in the order of the window's unit buttons (optmi ... opthmara).
constexpr std::array<const char*, kDistanceUnitCount> kUnitNames = {"mi", "yd",   "km",
                                                                    "m",  "mara", "hmara"};
// --analysis names; each but "level" chooses one of Option1, Option2, Option3.
struct AnalysisName {
    const char* name;
    int option;  // index into analysisChoice, -1 for none
};
constexpr std::array<AnalysisName, 4> kAnalysisNames = {
    {{"level", -1}, {"splits", 0}, {"slope", 1}, {"halfhill", 2}}};

// The window's inputs the options give, or why they cannot.
std::optional<SpecialFormInputs> InputsOf(const CliInvocation& invocation, std::string& why) {
    SpecialFormInputs inputs;
    inputs.Text1 = invocation.Value("--distance").value_or(inputs.Text1);
    inputs.Text3 = invocation.Value("--slope").value_or(inputs.Text3);
    inputs.paceUnit = invocation.Flag("--km-paces") ? PaceUnit::Kilometer : PaceUnit::Mile;
    const std::string unit = invocation.Value("--unit").value_or("km");
    inputs.unitChoice = {};
    for (std::size_t i = 0; i < kUnitNames.size(); ++i) {
        inputs.unitChoice[i] = unit == kUnitNames[i];
    }
    if (std::find(inputs.unitChoice.begin(), inputs.unitChoice.end(), true) ==
        inputs.unitChoice.end()) {
        why = "--unit needs mi, yd, km, m, mara or hmara, not '" + unit + "'";
        return std::nullopt;
    }
    const std::string analysis = invocation.Value("--analysis").value_or("level");
    for (const AnalysisName& known : kAnalysisNames) {
        if (analysis == known.name) {
            if (known.option >= 0) {
                inputs.analysisChoice[static_cast<std::size_t>(known.option)] = true;
            }
            return inputs;
        }
    }
    why = "--analysis needs level, splits, slope or halfhill, not '" + analysis + "'";
    return std::nullopt;
}

const char* AnalysisNameOf(SpecialAnalysis analysis) {
    switch (analysis) {
        case SpecialAnalysis::UnevenSplits:
            return "splits";
        case SpecialAnalysis::ConstantSlope:
            return "slope";
        case SpecialAnalysis::HalfUpHalfDown:
            return "halfhill";
        case SpecialAnalysis::LevelOnly:
            break;
    }
    return "level";
}

// Seconds per mile and per kilometre of a pace given per mile.
std::string PaceFields(const char* mile, const char* km, double perMile, bool last = false) {
    return JsonField(mile, JsonNumber(perMile)) +
           JsonField(km, JsonNumber(perMile / kKilometersPerMile), last);
}

// A time over the distance with its three paces and the comparison time.
std::string LineJson(double time, const PredictionRow& level) {
    const double v = level.distance / time;
    const std::optional<double> comparison =
        level.hasComparison ? std::optional(level.comparisonTime) : std::nullopt;
    return JsonField("seconds", JsonNumber(time)) +
           PaceFields("pacePerMileSeconds", "pacePerKmSeconds", kMetersPerMile / v) +
           JsonField("pacePer400Seconds", JsonNumber(400.0 / v)) +
           JsonField("comparisonSeconds", JsonNumber(comparison));
}

std::string LevelJson(const PredictionRow& level) {
    const std::optional<double> percent =
        level.hasComparison ? std::optional(100.0 * level.speedRatio) : std::nullopt;
    return "{" + LineJson(level.prediction.raceTime, level) +
           JsonField("speedPercent", JsonNumber(percent)) +
           JsonField("levelPercent", JsonNumber(100.0 * level.perfLevel), true) + "}";
}

std::string RowJson(const PacingRow& row) {
    return "{" + JsonField("firstHalfSeconds", JsonNumber(row.t1)) +
           PaceFields("firstPacePerMileSeconds", "firstPacePerKmSeconds", row.a1) +
           PaceFields("firstLevelPacePerMileSeconds", "firstLevelPacePerKmSeconds", row.p1) +
           JsonField("secondHalfSeconds", JsonNumber(row.t2)) +
           PaceFields("secondPacePerMileSeconds", "secondPacePerKmSeconds", row.a2) +
           PaceFields("secondLevelPacePerMileSeconds", "secondLevelPacePerKmSeconds", row.p2) +
           JsonField("raceSeconds", JsonNumber(row.total)) +
           JsonField("offSeconds", JsonNumber(row.off), true) + "}";
}

std::string TableJson(const PacingTable& table) {
    std::vector<std::string> rows;
    for (const PacingRow& row : table.rows) {
        rows.push_back(RowJson(row));
    }
    const SplitCurve& curve = table.curve;
    return "{" + JsonField("p0", JsonNumber(curve.p0)) +
           JsonField("pFast", JsonNumber(curve.pFast)) +
           JsonField("pSlow", JsonNumber(curve.pSlow)) + JsonField("c", JsonNumber(curve.c)) +
           JsonField("stoppedAtRowLimit", table.end == PacingEnd::RowLimit ? "true" : "false") +
           "\"rows\": [\n" + JsonObjectLines(rows) + "  ]}";
}

std::string SpecialJson(const SpecialResult& result, PaceUnit unit) {
    std::string json = "{\n  " +
                       JsonField("analysis", JsonString(AnalysisNameOf(result.analysis))) +
                       JsonField("distanceMeters", JsonNumber(result.distance)) +
                       JsonField("slope", JsonNumber(result.slope)) +
                       JsonField("paceUnit", JsonString(PaceUnitName(unit)), true) + ",\n  " +
                       JsonField("level", LevelJson(result.level), true);
    if (result.hill) {
        json += ",\n  \"hill\": {" + LineJson(result.hill->time, result.level) +
                JsonField("passes", JsonNumber(result.hill->passes)) +
                JsonField("flatDistanceMeters", JsonNumber(result.hill->flatDistance), true) + "}";
    }
    if (result.table) {
        json += ",\n  " + JsonField("table", TableJson(*result.table), true);
    }
    return json + "\n}\n";
}

// The lines the window shows: the level line (Text4) under its heading, the hill line (Text5)
// under its own after a constant slope, the table from its header on.
void PrintSpecial(const SpecialResult& result, const LineBuffer& canvas, std::ostream& out) {
    out << SpecialHeadingText(SpecialLine::Level) << '\n' << result.Text4 << '\n';
    if (result.Text5) {
        out << SpecialHeadingText(SpecialLine::Hill) << '\n' << *result.Text5 << '\n';
    }
    PrintLines(canvas.Lines(), out);
}

int RunSpecial(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    std::string why;
    const std::optional<SpecialFormInputs> inputs = InputsOf(invocation, why);
    if (!inputs) {
        return UsageError(err, why);
    }
    return WithCalculatedRunner(invocation, err, [&](ModelState& state, MainFormInputs& form) {
        SpecialFormMemory memory;
        LineBuffer canvas;
        RecordingNotifier messages;
        const SpecialResult result =
            CalculateSpecial(state, *inputs, form.HScroll2 / 1000.0, memory, canvas, messages);
        if (!messages.Messages().empty()) {
            StreamNotifier toErr(err);
            for (const Message& message : messages.Messages()) {
                toErr.Show(message);
            }
            return kExitRefused;
        }
        if (invocation.Flag("--json")) {
            out << SpecialJson(result, inputs->paceUnit);
        } else {
            PrintSpecial(result, canvas, out);
        }
        return kExitPrinted;
    });
}

}  // namespace

CliCommand SpecialCommand() {
    return {
        "special",
        "[--settings FILE] [RUNNER] [--distance N] [--unit mi|yd|km|m|mara|hmara] "
        "[--analysis level|splits|slope|halfhill] [--slope S] [--km-paces] [--json]",
        "Fit the curve as \"table\" does, then answer for one distance as the\n"
        "\"Special Information\" window does: the predicted level time line,\n"
        "then the time on a constant slope, or the table of uneven splits\n"
        "or of a course half up and half down.",
        WithRunnerOptions(
            {SettingsOption(),
             {"--distance", "N", "The distance number (5 without it)."},
             {"--unit", "UNIT",
              "Its unit: mi, yd, km (the default), m, mara or hmara (the\n"
              "marathon and half marathon ignore the number)."},
             {"--analysis", "KIND",
              "level (the default): the level time only; splits: uneven\n"
              "pacing; slope: a constant slope; halfhill: half up, half down."},
             {"--slope", "S",
              "Rise per distance along the surface for slope and halfhill,\n"
              "negative downhill (0.05 without it)."},
             {"--km-paces", "", "The tables' paces per kilometre instead of per mile."},
             JsonOption("Print the figures as JSON instead: the level line and the\n"
                        "hill line (seconds, paces per mile, km and 400 m, the\n"
                        "comparison time, per cent of its speed and level per cent),\n"
                        "and every row of a table with its times and its paces per\n"
                        "mile and per km.")}),
        0,
        RunSpecial,
    };
}

}  // namespace kestrova
