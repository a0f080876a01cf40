#include "cli/cli_arguments.hpp"

#include <algorithm>
#include <array>

namespace kestrova {
namespace {

constexpr std::array<const char*, 3> kCommands = {"table", "report", "analysis"};

bool IsCommand(const std::string& word) {
    return std::any_of(kCommands.begin(), kCommands.end(),
                       [&word](const char* command) { return word == command; });
}

ParsedArguments Error(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

// The reason an option does not fit the command, or empty when every option fits.
std::string OptionMismatch(const CliRequest& request) {
    if (request.json && request.command != "table") {
        return "--json goes only with the table command";
    }
    if (request.name && request.command != "report") {
        return "--name goes only with the report command";
    }
    return "";
}

}  // namespace

ParsedArguments ParseCliArguments(const std::vector<std::string>& args) {
    CliRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h" || word == "help") {
            request.help = true;
        } else if (word == "--json") {
            request.json = true;
        } else if (word == "--settings" || word == "--name") {
            if (i + 1 >= args.size()) {
                return Error(word + " needs a value");
            }
            (word == "--settings" ? request.settingsPath : request.name) = args[++i];
        } else if (IsCommand(word) && request.command.empty()) {
            request.command = word;
        } else {
            return Error("unknown argument '" + word + "'");
        }
    }
    if (request.help) {
        return {request, ""};
    }
    if (request.command.empty()) {
        return Error("no command given");
    }
    if (std::string mismatch = OptionMismatch(request); !mismatch.empty()) {
        return Error(mismatch);
    }
    return {request, ""};
}

std::string CliHelpText() {
    return R"(kestrova-cli: Kestrova's race predictions without windows.

Usage:
  kestrova-cli table [--settings FILE] [--json]
  kestrova-cli report [--settings FILE] [--name NAME]
  kestrova-cli analysis [--settings FILE]
  kestrova-cli --help

Commands:
  table     Fit your pace-versus-distance curve to your races and print the
            prediction table, exactly as the main window's "Calculate" shows it.
  report    Fit the curve as "table" does, then print the full report: the
            lines that "Text file of full report" saves in fulltext.txt (each
            line that is empty on paper holds one blank). No file is written.
  analysis  Fit the curve as "table" does, then print the training and
            specialization analysis as the "Analysis" window shows it.

Options:
  --settings FILE   Take the runner, the races and every other input of the
                    main window from FILE, a Kestrova settings file. Without
                    it, kestini.txt in the current directory is used; when
                    that does not exist, the main window's start-up values
                    (Joe Runner's five races) are used.
  --json            Print the table as JSON instead: for every row the label,
                    distance in metres, predicted time, paces per mile, per km
                    and per 400 m (seconds), the comparison-level time, the
                    percentage of its speed and the performance level, plus
                    the fitted curve's parameters. Only with "table".
  --name NAME       The runner's name in the report's first line (the
                    settings file keeps no name; without this option the
                    report names Joe Runner, as the program does after it
                    starts). Only with "report".
  --help            Show this text.

The settings file is the one the program writes when its main window closes:
set up a runner in the program, close it, and use its kestini.txt here.

Messages that the program would show in a message box go to standard error,
one per line, as "CAPTION: TEXT" (or just "TEXT" when there is no caption).

Exit status:
  0  the table, report or analysis was printed
  3  a race or profile entry was refused (the message says why)
  2  the command line or the settings file could not be used
)";
}

}  // namespace kestrova
