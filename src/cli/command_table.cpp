#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/prediction_json.hpp"
#include "cli/runner_options.hpp"
#include "cli/stream_notifier.hpp"
#include "model/text_sink.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

int RunTable(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    std::optional<MainFormInputs> form = LoadCliInputs(invocation, err);
    if (!form) {
        return kExitUsageOrFile;
    }
    Session session(CliSettingsPath(invocation));
    session.Begin(*form);
    LineBuffer picture;
    StreamNotifier notifier(err);
    const CalculateResult result = session.Calculate(*form, picture, notifier);
    if (result.outcome != CalculateOutcome::Completed) {
        return kExitRefused;
    }
    out << (invocation.Flag("--json") ? PredictionJson(result.rows, session.State())
                                      : picture.Text());
    return kExitPrinted;
}

}  // namespace

CliCommand TableCommand() {
    return {
        "table",
        "[--settings FILE] [RUNNER] [--json]",
        "Fit your pace-versus-distance curve to your races and print the\n"
        "prediction table, exactly as the main window's \"Calculate\" shows it.",
        WithRunnerOptions({SettingsOption(),
                           JsonOption("Print the table as JSON instead: for every row the label,\n"
                                      "distance in metres, predicted time, paces per mile, per km\n"
                                      "and per 400 m (seconds), the comparison-level time, the\n"
                                      "percentage of its speed and the performance level, plus\n"
                                      "the fitted curve's parameters.")}),
        0,
        RunTable,
    };
}

}  // namespace kestrova
