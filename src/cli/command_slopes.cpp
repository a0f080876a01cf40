#include <string>

#include "analyses/slope_table.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

// --range as one of the digits 1 to 4 (2 without it).
std::optional<int> ParseRange(const CliInvocation& invocation) {
    const std::string text = invocation.Value("--range").value_or("2");
    if (text.size() != 1 || text[0] < '0' + kMinSlopeRange || text[0] > '0' + kMaxSlopeRange) {
        return std::nullopt;
    }
    return text[0] - '0';
}

std::string RowJson(const SlopeTableRow& row, PaceUnit unit) {
    std::vector<std::optional<double>> paces;
    std::vector<std::optional<double>> speeds;
    for (const SlopeTableCell& cell : row.cells) {
        speeds.push_back(cell.speed);
        paces.push_back(PaceSecondsAt(cell.speed, unit));
    }
    return "{" + JsonField("levelPaceSeconds", JsonNumber(row.levelPace)) +
           JsonField("levelSpeedMetersPerSecond", JsonNumber(row.flatSpeed)) +
           JsonField("paceSeconds", JsonNumbers(paces)) +
           JsonField("speedMetersPerSecond", JsonNumbers(speeds), true) + "}";
}

std::string SlopesJson(const SlopeTableSettings& settings) {
    const std::vector<SlopeTableRow> rows = ComputeSlopeTable(settings);
    std::vector<std::optional<double>> grades;
    std::vector<std::optional<double>> slopes;
    for (const SlopeTableCell& cell : rows.front().cells) {
        grades.push_back(cell.grade);
        slopes.push_back(cell.slope);
    }
    std::vector<std::string> objects;
    for (const SlopeTableRow& row : rows) {
        objects.push_back(RowJson(row, settings.unit));
    }
    return "{\n  " + JsonField("unit", JsonString(PaceUnitName(settings.unit))) +
           JsonField("slopeRange", JsonNumber(settings.slopeRange)) +
           JsonField("gradeDefinition", JsonNumber(settings.gradeDefinition), true) + ",\n  " +
           JsonField("grades", JsonNumbers(grades), true) + ",\n  " +
           JsonField("slopesAlongSurface", JsonNumbers(slopes), true) + ",\n  \"rows\": [\n" +
           JsonObjectLines(objects) + "  ]\n}\n";
}

int RunSlopes(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    const std::optional<int> range = ParseRange(invocation);
    if (!range) {
        return UsageError(err, "--range needs 1, 2, 3 or 4, not '" +
                                   invocation.Value("--range").value_or("") + "'");
    }
    const SlopeTableSettings settings{*range, invocation.Flag("--horizontal") ? 2 : 1,
                                      PaceUnitOf(invocation)};
    if (invocation.Flag("--json")) {
        out << SlopesJson(settings);
        return kExitPrinted;
    }
    LineBuffer window;
    ShowSlopeTable(settings, window);
    PrintLines(window.Lines(), out);
    return kExitPrinted;
}

}  // namespace

CliCommand SlopesCommand() {
    return {
        "slopes",
        "[--range 1|2|3|4] [--horizontal] [--metric] [--json]",
        "Print the equivalent paces on slopes as the \"Hill Paces\" window\n"
        "shows them: for each level pace, the pace on 13 grades that takes\n"
        "the same effort.",
        {{"--range", "N",
          "The grades shown: 1 -0.06 to 0.06, 2 -0.12 to 0.12 (the default),\n"
          "3 -0.18 to 0.18, 4 -0.36 to 0.36."},
         {"--horizontal", "",
          "Grades are rise per horizontal distance instead of rise per\n"
          "distance along the surface."},
         MetricOption(),
         JsonOption("Print the table as JSON instead: the grades and the slopes\n"
                    "computed with, and for every level pace the equal-effort paces\n"
                    "(seconds per mile or km) and speeds (m/s) on each grade; null\n"
                    "where there is none.")},
        0,
        RunSlopes,
    };
}

}  // namespace kestrova
