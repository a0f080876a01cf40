#include "analyses/training_analysis.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/runner_options.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

// The lines of the analysis window.
int RunAnalysis(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    return WithCalculatedRunner(invocation, err, [&](ModelState& state, MainFormInputs&) {
        LineBuffer window;
        RunTrainingAnalysis(state, kAnalysisWindowTarget, window);
        PrintLines(window.Lines(), out);
        return kExitPrinted;
    });
}

}  // namespace

CliCommand AnalysisCommand() {
    return {
        "analysis",
        "[--settings FILE] [RUNNER]",
        "Fit the curve as \"table\" does, then print the training and\n"
        "specialization analysis as the \"Analysis\" window shows it.",
        WithRunnerOptions({SettingsOption()}),
        0,
        RunAnalysis,
    };
}

}  // namespace kestrova
