#include "cli/cli_common.hpp"

#include <filesystem>

#include "cli/runner_options.hpp"
#include "cli/stream_notifier.hpp"
#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "session/session.hpp"

namespace kestrova {

CliOption SettingsOption() {
    return {"--settings", "FILE",
            "Take the runner, the races and every other input of the\n"
            "main window from FILE, a Kestrova settings file. Without\n"
            "it, kestini.txt in the current directory is used; when\n"
            "that does not exist, the main window's start-up values\n"
            "(Joe Runner's five races) are used. FILE \"-\" is standard\n"
            "input."};
}

CliOption JsonOption(std::string help) {
    return {"--json", "", std::move(help)};
}

CliOption MetricOption() {
    return {"--metric", "", "Paces per kilometre and speeds in km/hr instead of miles."};
}

PaceUnit PaceUnitOf(const CliInvocation& invocation) {
    return invocation.Flag("--metric") ? PaceUnit::Kilometer : PaceUnit::Mile;
}

std::string PaceUnitName(PaceUnit unit) {
    return unit == PaceUnit::Kilometer ? "kilometer" : "mile";
}

std::filesystem::path CliSettingsPath(const CliInvocation& invocation) {
    const std::optional<std::string> named = invocation.Value("--settings");
    return named ? std::filesystem::path(*named)
                 : Session::SettingsFileIn(invocation.currentDirectory);
}

namespace {

std::optional<MainFormInputs> ReadCliSettings(const CliInvocation& invocation, std::ostream& err) {
    MainFormInputs form;
    const std::optional<std::string> named = invocation.Value("--settings");
    const bool fromInput = named && *named == kStandardStreamName;
    const std::filesystem::path path =
        fromInput ? std::filesystem::path("(standard input)") : CliSettingsPath(invocation);
    if (fromInput && invocation.console.input == nullptr) {
        UsageError(err, "there is no standard input to read the settings from");
        return std::nullopt;
    }
    const SettingsReading reading = fromInput ? ReadSettingsStream(*invocation.console.input, form)
                                              : ReadSettingsFile(path, form);
    switch (reading.outcome) {
        case SettingsLoad::Missing:
            if (!named) {
                return form;
            }
            UsageError(err,
                       "cannot read the settings file " + path.string() + " (it does not exist)");
            return std::nullopt;
        case SettingsLoad::CannotOpen:
            UsageError(err, "cannot read the settings file " + path.string() + " (" +
                                reading.reason + ")");
            return std::nullopt;
        case SettingsLoad::Stopped:
        case SettingsLoad::Loaded:
            break;
    }
    if (reading.linesApplied == 0) {
        const std::string why =
            reading.outcome == SettingsLoad::Stopped ? reading.reason : "the file is empty";
        UsageError(err, path.string() + " is not a settings file (line 1: " + why + ")");
        return std::nullopt;
    }
    if (reading.outcome == SettingsLoad::Stopped) {
        err << "kestrova-cli: " << SettingsStopWarning(path, reading) << '\n';
    }
    return form;
}

}  // namespace

std::optional<MainFormInputs> LoadCliInputs(const CliInvocation& invocation, std::ostream& err,
                                            const std::vector<std::string_view>& commandOwn) {
    const bool startUpValues = GivesRaces(invocation) && !invocation.Value("--settings");
    std::optional<MainFormInputs> form =
        startUpValues ? MainFormInputs{} : ReadCliSettings(invocation, err);
    if (!form) {
        return std::nullopt;
    }
    if (const std::optional<std::string> error =
            ApplyRunnerOptions(invocation, *form, commandOwn)) {
        UsageError(err, *error);
        return std::nullopt;
    }
    return form;
}

int WithCalculatedRunner(const CliInvocation& invocation, std::ostream& err,
                         const CalculatedRunnerStep& then) {
    std::optional<MainFormInputs> form = LoadCliInputs(invocation, err);
    if (!form) {
        return kExitUsageOrFile;
    }
    return WithCalculatedRunner(invocation, std::move(*form), err, then);
}

int WithCalculatedRunner(const CliInvocation& invocation, MainFormInputs form, std::ostream& err,
                         const CalculatedRunnerStep& then) {
    Session session(CliSettingsPath(invocation));
    session.Begin(form);
    StreamNotifier notifier(err);
    int status = kExitRefused;
    session.CalculateThen(form, notifier, [&](ModelState& state) { status = then(state, form); });
    return status;
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

int UsageError(std::ostream& err, const std::string& reason) {
    err << "kestrova-cli: " << reason << '\n';
    return kExitUsageOrFile;
}

}  // namespace kestrova
