#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.hpp"

namespace kestrova {

// What the words of one call ask for: --help, one command with its invocation, or a one-line
// reason why the words cannot be used.
struct ParsedArguments {
    bool help = false;
    const CliCommand* command = nullptr;
    CliInvocation invocation;
    std::string error;
};

// Reads args (without the program name) against the commands: the first word that is not an
// option names the command; each option must be one the command takes.
ParsedArguments ParseCliArguments(const std::vector<std::string>& args,
                                  const std::vector<CliCommand>& commands);

// The text --help prints, made from the commands' own lines.
std::string CliHelpText(const std::vector<CliCommand>& commands);

}  // namespace kestrova
