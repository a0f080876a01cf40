#include <charconv>
#include <cmath>
#include <string>

#include "analyses/power_table.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "cli/runner_options.hpp"
#include "model/start_up_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

// Heavier and lighter than any runner by far; the table's numbers stay readable between them
// (below the least one its powers round to a column of zeros).
constexpr double kMaxWeightKg = 1000.0;
constexpr double kMinWeightKg = 10.0;

// --weight-kg as a number of kilograms from kMinWeightKg to kMaxWeightKg, the whole text read.
std::optional<double> ParseWeightKg(const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value) ||
        value < kMinWeightKg || value > kMaxWeightKg) {
        return std::nullopt;
    }
    return value;
}

// The weight of --weight-kg, or of the settings file's weight bar as the main window shows it.
// The settings file is read either way, so a file that cannot be used is always reported.
std::optional<double> TableWeightKg(const CliInvocation& invocation, std::ostream& err) {
    const std::optional<std::string> given = invocation.Value("--weight-kg");
    const std::optional<double> weight = given ? ParseWeightKg(*given) : std::nullopt;
    if (given && !weight) {
        UsageError(err,
                   "--weight-kg needs a number of kilograms from 10 to 1000, not '" + *given + "'");
        return std::nullopt;
    }
    const std::optional<MainFormInputs> form = LoadCliInputs(invocation, err, {"--weight-kg"});
    if (!form) {
        return std::nullopt;
    }
    return given ? weight : StartUpState(*form).weightKg;
}

std::string RowJson(const PowerTableRow& row) {
    return "{" + JsonField("paceSeconds", JsonNumber(row.paceSeconds)) +
           JsonField("speedMetersPerSecond", JsonNumber(row.speed)) +
           JsonField("powerOutputWatts", JsonNumber(row.output)) +
           JsonField("powerUsedGrossWatts", JsonNumber(row.gross)) +
           JsonField("powerUsedNetWatts", JsonNumber(row.net)) +
           JsonField("mets", JsonNumber(row.mets)) +
           JsonField("energyUsedGrossJoulesPerMeter", JsonNumber(row.gross / row.speed)) +
           JsonField("energyUsedNetJoulesPerMeter", JsonNumber(row.net / row.speed), true) + "}";
}

std::string PowerJson(double weightKg, PaceUnit unit) {
    std::vector<std::string> objects;
    for (const PowerTableRow& row : ComputePowerTable(weightKg, unit)) {
        objects.push_back(RowJson(row));
    }
    return "{\n  " + JsonField("unit", JsonString(PaceUnitName(unit))) +
           JsonField("weightKg", JsonNumber(weightKg), true) + ",\n  \"rows\": [\n" +
           JsonObjectLines(objects) + "  ]\n}\n";
}

int RunPower(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    const std::optional<double> weightKg = TableWeightKg(invocation, err);
    if (!weightKg) {
        return kExitUsageOrFile;
    }
    const PaceUnit unit = PaceUnitOf(invocation);
    if (invocation.Flag("--json")) {
        out << PowerJson(*weightKg, unit);
        return kExitPrinted;
    }
    LineBuffer window;
    ShowPowerTable(*weightKg, unit, window);
    PrintLines(window.Lines(), out);
    return kExitPrinted;
}

}  // namespace

CliCommand PowerCommand() {
    return {
        "power",
        "[--settings FILE] [RUNNER] [--weight-kg KG] [--metric] [--json]",
        "Print the power and energy table as the \"Power and Energy\" window\n"
        "shows it: for 28 paces on the level, the power put out and used,\n"
        "the energy per hour, METs and the energy per mile or kilometre.",
        WithRunnerOptions(
            {SettingsOption(),
             {"--weight-kg", "KG",
              "The body weight in kilograms (10 to 1000). Without it,\n"
              "the weight of the settings file's weight bar is used."},
             MetricOption(),
             JsonOption("Print the rows as JSON instead: pace (seconds per mile or km),\n"
                        "speed (m/s), power put out and used, gross and net (watts),\n"
                        "METs, and energy used per metre (joules).")}),
        0,
        RunPower,
    };
}

}  // namespace kestrova
