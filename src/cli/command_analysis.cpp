#include "analyses/training_analysis.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "model/start_up_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

// The lines of the analysis window.
int RunAnalysis(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    std::optional<MainFormInputs> form = LoadCliInputs(invocation, err);
    if (!form) {
        return kExitUsageOrFile;
    }
    ModelState state = StartUpState(*form);
    if (!CalculateFirst(state, *form, err)) {
        return kExitRefused;
    }
    LineBuffer window;
    RunTrainingAnalysis(state, kAnalysisWindowTarget, window);
    PrintLines(window.Lines(), out);
    return kExitPrinted;
}

}  // namespace

CliCommand AnalysisCommand() {
    return {
        "analysis",
        "[--settings FILE]",
        "Fit the curve as \"table\" does, then print the training and\n"
        "specialization analysis as the \"Analysis\" window shows it.",
        {SettingsOption()},
        0,
        RunAnalysis,
    };
}

}  // namespace kestrova
