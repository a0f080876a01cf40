#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

inline constexpr int kExitPrinted = 0;
inline constexpr int kExitUsageOrFile = 2;
inline constexpr int kExitRefused = 3;

// One option a command takes: a flag ("--json") or an option with a value ("--settings FILE").
struct CliOption {
    std::string name;            // with its dashes: "--settings"
    std::string valueName;       // "FILE"; empty for a flag
    std::string help;            // what it does, pre-broken lines without indentation
    bool repeatable = false;     // may be given more than once (the last value counts)
    std::size_t valueWords = 1;  // words its value takes ("--race DISTANCE TIME" takes two)
};

// The word that names standard output (for an option naming a file to write) or standard input
// (for one naming a file to read), as shell users expect.
inline constexpr std::string_view kStandardStreamName = "-";

// What the program's standard streams are beyond the output and error streams a command gets.
struct CliConsole {
    std::istream* input = nullptr;  // standard input, for "-" as a file to read; none in tests
    bool outputIsTerminal = false;  // whether standard output is a terminal (not for images)
    // The library that paints image files, opened only by a command that writes one (Qt is
    // loaded with it); none in tests that write no image.
    std::filesystem::path imageModule;
};

// What the command line gave one command.
struct CliInvocation {
    std::map<std::string, std::string, std::less<>> values;  // options with a value
    std::set<std::string, std::less<>> flags;                // flags given
    std::vector<std::string> positionals;                    // words that are not options
    // Every use of a repeatable option, in order, with its value's words.
    std::map<std::string, std::vector<std::vector<std::string>>, std::less<>> repeated;
    std::filesystem::path currentDirectory;  // for the default settings file
    CliConsole console;                      // standard input, terminal output

    bool Flag(std::string_view name) const { return flags.contains(name); }
    std::optional<std::string> Value(std::string_view name) const;
    // The uses of a repeatable option (none when it was not given).
    std::vector<std::vector<std::string>> Uses(std::string_view name) const;
};

using CliRun = std::function<int(const CliInvocation&, std::ostream& out, std::ostream& err)>;

// One kestrova-cli command: its name, the options it takes, its lines in --help, and what it
// does. A command prints what its window shows; messages go to err.
struct CliCommand {
    std::string name;
    std::string arguments;  // the usage line after the name: "[--settings FILE] [--json]"
    std::string summary;    // what it does, pre-broken lines without indentation
    std::vector<CliOption> options;
    std::size_t maxPositionals = 0;  // words after the command that are not options
    CliRun run;
};

}  // namespace kestrova
