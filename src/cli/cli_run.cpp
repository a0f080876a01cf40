#include "cli/cli_run.hpp"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "analyses/training_analysis.hpp"
#include "cli/cli_arguments.hpp"
#include "cli/prediction_json.hpp"
#include "cli/stream_notifier.hpp"
#include "files/settings_file.hpp"
#include "model/calculate.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/text_sink.hpp"
#include "output/full_report.hpp"

namespace kestrova {
namespace {

// The main window's inputs from the requested settings file, or a reason it cannot be used.
std::optional<MainFormInputs> LoadInputs(const CliRequest& request,
                                         const std::filesystem::path& currentDirectory,
                                         std::string& error) {
    MainFormInputs form;
    const bool named = request.settingsPath.has_value();
    const std::filesystem::path path =
        named ? std::filesystem::path(*request.settingsPath) : currentDirectory / kSettingsFileName;
    std::error_code ignored;
    const bool exists = std::filesystem::exists(path, ignored);
    if (!exists && !named) {
        return form;
    }
    if (!exists || !std::filesystem::is_regular_file(path, ignored) ||
        LoadSettingsFile(path, form) != SettingsLoad::Loaded) {
        error = "cannot read the settings file " + path.string();
        return std::nullopt;
    }
    return form;
}

// The state as the main window holds it after start-up with these inputs.
ModelState StateForInputs(const MainFormInputs& form) {
    ModelState state;
    ApplyStartUpValues(state);
    state.weightKg = WeightKgShown(form);
    state.agecomp = form.agecomp;
    return state;
}

int RunTable(const CliRequest& request, MainFormInputs& form, std::ostream& out,
             std::ostream& err) {
    ModelState state = StateForInputs(form);
    LineBuffer picture;
    StreamNotifier notifier(err);
    const CalculateResult result = Calculate(state, form, picture, notifier);
    if (result.outcome != CalculateOutcome::Completed) {
        return kExitRefused;
    }
    out << (request.json ? PredictionJson(result.rows, state) : picture.Text());
    return kExitPrinted;
}

// Calculate on the inputs, as the main window's button does before the report or the analysis
// can be asked for; false when a message stopped it.
bool CalculateFirst(ModelState& state, MainFormInputs& form, std::ostream& err) {
    LineBuffer picture;
    StreamNotifier notifier(err);
    return Calculate(state, form, picture, notifier).outcome == CalculateOutcome::Completed;
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

// The lines the report text file would get; no file is written, so no "saved" message either.
int RunReport(const CliRequest& request, MainFormInputs& form, std::ostream& out,
              std::ostream& err) {
    if (request.name) {
        form.txtname = *request.name;
    }
    ModelState state = StateForInputs(form);
    if (!CalculateFirst(state, form, err)) {
        return kExitRefused;
    }
    PrintLines(FullReportFileLines(state, form), out);
    return kExitPrinted;
}

// The lines of the analysis window.
int RunAnalysis(MainFormInputs& form, std::ostream& out, std::ostream& err) {
    ModelState state = StateForInputs(form);
    if (!CalculateFirst(state, form, err)) {
        return kExitRefused;
    }
    LineBuffer window;
    RunTrainingAnalysis(state, kAnalysisWindowTarget, window);
    PrintLines(window.Lines(), out);
    return kExitPrinted;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::filesystem::path& currentDirectory,
           std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = ParseCliArguments(args);
    if (!parsed.request) {
        err << "kestrova-cli: " << parsed.error << " (try kestrova-cli --help)\n";
        return kExitUsageOrFile;
    }
    const CliRequest& request = *parsed.request;
    if (request.help) {
        out << CliHelpText();
        return kExitPrinted;
    }
    std::string error;
    std::optional<MainFormInputs> form = LoadInputs(request, currentDirectory, error);
    if (!form) {
        err << "kestrova-cli: " << error << '\n';
        return kExitUsageOrFile;
    }
    if (request.command == "report") {
        return RunReport(request, *form, out, err);
    }
    if (request.command == "analysis") {
        return RunAnalysis(*form, out, err);
    }
    return RunTable(request, *form, out, err);
}

}  // namespace kestrova
