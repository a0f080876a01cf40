#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_command.hpp"

namespace kestrova {

// Runs one kestrova-cli call (args without the program name) with the given current directory
// for the default settings file. Output goes to out, messages and errors to err; returns the
// exit status. `console` tells what standard input is and whether out is a terminal.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& currentDirectory,
           std::ostream& out, std::ostream& err, const CliConsole& console = {});

}  // namespace kestrova
