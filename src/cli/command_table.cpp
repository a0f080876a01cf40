#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/prediction_json.hpp"
#include "cli/stream_notifier.hpp"
#include "model/calculate.hpp"
#include "model/start_up_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

int RunTable(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    std::optional<MainFormInputs> form = LoadCliInputs(invocation, err);
    if (!form) {
        return kExitUsageOrFile;
    }
    ModelState state = StartUpState(*form);
    LineBuffer picture;
    StreamNotifier notifier(err);
    const CalculateResult result = Calculate(state, *form, picture, notifier);
    if (result.outcome != CalculateOutcome::Completed) {
        return kExitRefused;
    }
    out << (invocation.Flag("--json") ? PredictionJson(result.rows, state) : picture.Text());
    return kExitPrinted;
}

}  // namespace

CliCommand TableCommand() {
    return {
        "table",
        "[--settings FILE] [--json]",
        "Fit your pace-versus-distance curve to your races and print the\n"
        "prediction table, exactly as the main window's \"Calculate\" shows it.",
        {SettingsOption(), JsonOption("Print the table as JSON instead: for every row the label,\n"
                                      "distance in metres, predicted time, paces per mile, per km\n"
                                      "and per 400 m (seconds), the comparison-level time, the\n"
                                      "percentage of its speed and the performance level, plus\n"
                                      "the fitted curve's parameters.")},
        0,
        RunTable,
    };
}

}  // namespace kestrova
