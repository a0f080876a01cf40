#include <string>

#include "analyses/treadmill_table.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

std::string RowJson(const TreadmillTableRow& row, PaceUnit unit) {
    std::vector<std::optional<double>> paces;
    std::vector<std::optional<double>> speeds;
    for (const std::optional<double>& speed : row.flatSpeeds) {
        speeds.push_back(speed);
        paces.push_back(PaceSecondsAt(speed, unit));
    }
    return "{" + JsonField("beltSpeedShown", JsonNumber(row.shownSpeed)) +
           JsonField("beltSpeedMetersPerSecond", JsonNumber(row.beltSpeed)) +
           JsonField("beltPaceSeconds", JsonNumber(PaceSecondsAt(row.plainSpeed, unit))) +
           JsonField("flatPaceSeconds", JsonNumbers(paces)) +
           JsonField("flatSpeedMetersPerSecond", JsonNumbers(speeds), true) + "}";
}

std::string TreadmillJson(PaceUnit unit) {
    const std::vector<TreadmillTableRow> rows = ComputeTreadmillTable(unit);
    const std::vector<std::optional<double>> inclines(rows.front().inclines.begin(),
                                                      rows.front().inclines.end());
    std::vector<std::string> objects;
    for (const TreadmillTableRow& row : rows) {
        objects.push_back(RowJson(row, unit));
    }
    return "{\n  " + JsonField("unit", JsonString(PaceUnitName(unit)), true) + ",\n  " +
           JsonField("inclines", JsonNumbers(inclines), true) + ",\n  \"rows\": [\n" +
           JsonObjectLines(objects) + "  ]\n}\n";
}

int RunTreadmill(const CliInvocation& invocation, std::ostream& out, std::ostream& /*err*/) {
    const PaceUnit unit = PaceUnitOf(invocation);
    if (invocation.Flag("--json")) {
        out << TreadmillJson(unit);
        return kExitPrinted;
    }
    LineBuffer window;
    ShowTreadmillTable(unit, window);
    PrintLines(window.Lines(), out);
    return kExitPrinted;
}

}  // namespace

CliCommand TreadmillCommand() {
    return {
        "treadmill",
        "[--metric] [--json]",
        "Print the treadmill table as the \"Treadmill Equivalents\" window\n"
        "shows it: for belt speeds of 5 to 12 mph (6 to 23.5 km/hr) and\n"
        "inclines of 0 to 10 %, the flat pace outdoors that takes the same\n"
        "effort.",
        {MetricOption(),
         JsonOption("Print the table as JSON instead: the inclines (rise per\n"
                    "horizontal distance), and for every belt speed (as shown, and\n"
                    "in m/s) its own pace and the equal-effort flat paces (seconds\n"
                    "per mile or km) and speeds (m/s) outdoors.")},
        0,
        RunTreadmill,
    };
}

}  // namespace kestrova
