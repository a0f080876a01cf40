#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/runner_options.hpp"
#include "model/control_characters.hpp"
#include "output/full_report.hpp"

namespace kestrova {
namespace {

// The lines the report text file would get; no file is written, so no "saved" message either.
int RunReport(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    return WithCalculatedRunner(invocation, err, [&](ModelState& state, MainFormInputs& form) {
        if (const std::optional<std::string> name = invocation.Value("--name")) {
            form.txtname = ControlCharactersAsBlanks(*name);
        }
        PrintLines(FullReportFileLines(state, form), out);
        return kExitPrinted;
    });
}

}  // namespace

CliCommand ReportCommand() {
    return {
        "report",
        "[--settings FILE] [RUNNER] [--name NAME]",
        "Fit the curve as \"table\" does, then print the full report: the\n"
        "lines that \"Text file of full report\" saves in fulltext.txt (each\n"
        "line that is empty on paper holds one blank). No file is written.",
        WithRunnerOptions({SettingsOption(),
                           {"--name", "NAME",
                            "The runner's name in the report's first line (the\n"
                            "settings file keeps no name; without this option the\n"
                            "report names Joe Runner, as the program does after it\n"
                            "starts)."}}),
        0,
        RunReport,
    };
}

}  // namespace kestrova
