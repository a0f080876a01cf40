#include "cli/cli_arguments.hpp"

#include <algorithm>
#include <sstream>

#include "cli/runner_options.hpp"

namespace kestrova {
namespace {

const CliCommand* FindCommand(const std::vector<CliCommand>& commands, const std::string& name) {
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&name](const CliCommand& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

const CliOption* FindOption(const CliCommand& command, const std::string& name) {
    const auto found = std::find_if(command.options.begin(), command.options.end(),
                                    [&name](const CliOption& o) { return o.name == name; });
    return found == command.options.end() ? nullptr : &*found;
}

bool IsOptionWord(const std::string& word) {
    return word.size() > 1 && word[0] == '-';
}

bool IsGiven(const CliInvocation& invocation, const std::string& option) {
    return invocation.flags.contains(option) || invocation.values.contains(option);
}

ParsedArguments Error(std::string reason) {
    ParsedArguments parsed;
    parsed.error = std::move(reason);
    return parsed;
}

// Each line of text, indented.
void WriteIndented(std::ostream& out, const std::string& text, const std::string& indent) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        out << indent << line << '\n';
    }
}

void WriteCommandHelp(std::ostream& out, const CliCommand& command) {
    out << "  " << command.name << '\n';
    WriteIndented(out, command.summary, "      ");
    for (const CliOption& option : command.options) {
        if (option.help.empty()) {
            continue;  // a runner option, listed once in a section of its own
        }
        std::string head = option.name;
        if (!option.valueName.empty()) {
            head += ' ' + option.valueName;
        }
        out << "      " << head << '\n';
        WriteIndented(out, option.help, "          ");
    }
    out << '\n';
}

}  // namespace

ParsedArguments ParseCliArguments(const std::vector<std::string>& args,
                                  const std::vector<CliCommand>& commands) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") {
            parsed.help = true;
        } else if (parsed.command == nullptr && !IsOptionWord(word)) {
            parsed.command = FindCommand(commands, word);
            if (parsed.command == nullptr) {
                return Error("unknown command '" + word + "'");
            }
        } else if (parsed.command == nullptr) {
            return Error("no command given before '" + word + "'");
        } else if (!IsOptionWord(word)) {
            if (parsed.invocation.positionals.size() >= parsed.command->maxPositionals) {
                return Error("unknown argument '" + word + "'");
            }
            parsed.invocation.positionals.push_back(word);
        } else if (const CliOption* option = FindOption(*parsed.command, word)) {
            if (!option->repeatable && IsGiven(parsed.invocation, word)) {
                return Error(word + " is given more than once");
            }
            if (option->valueName.empty()) {
                parsed.invocation.flags.insert(word);
            } else if (args.size() - (i + 1) < option->valueWords) {
                return Error(word + (option->valueWords == 1 ? " needs a value"
                                                             : " needs " + option->valueName));
            } else if (option->repeatable) {
                const auto first = args.begin() + static_cast<std::ptrdiff_t>(i + 1);
                parsed.invocation.repeated[word].emplace_back(
                    first, first + static_cast<std::ptrdiff_t>(option->valueWords));
                parsed.invocation.values[word] = args[i + option->valueWords];
                i += option->valueWords;
            } else {
                parsed.invocation.values[word] = args[++i];
            }
        } else {
            return Error(word + " is not an option of the " + parsed.command->name + " command");
        }
    }
    if (!parsed.help && parsed.command == nullptr) {
        return Error("no command given");
    }
    return parsed;
}

std::string CliHelpText(const std::vector<CliCommand>& commands) {
    std::ostringstream out;
    out << "kestrova-cli: Kestrova's race predictions without windows.\n\nUsage:\n";
    for (const CliCommand& command : commands) {
        out << "  kestrova-cli " << command.name << ' ' << command.arguments << '\n';
    }
    out << "  kestrova-cli --help\n\nCommands:\n";
    for (const CliCommand& command : commands) {
        WriteCommandHelp(out, command);
    }
    out << RunnerOptionsHelp() << '\n';
    out << R"(The settings file is the one the program writes when its main window closes:
set up a runner in the program, close it, and use its kestini.txt here.

Messages that the program would show in a message box go to standard error,
one per line, as "CAPTION: TEXT" (or just "TEXT" when there is no caption).
Qt's own notes appear there too only when KESTROVA_DEBUG is set.

An option that names a file takes "-" for standard output (images) or standard
input (settings). Each option may be given once.

Exit status:
  0  the command printed what it was asked for
  3  a race or profile entry, or the column values of a table, was refused
     (the message says why)
  2  the command line or a file could not be used
)";
    return out.str();
}

}  // namespace kestrova
