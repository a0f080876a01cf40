#pragma once

#include <vector>

#include "cli/cli_command.hpp"

namespace kestrova {

// Every command of kestrova-cli, in the order --help lists them. Each is made in its own file.
CliCommand TableCommand();
CliCommand ReportCommand();
CliCommand AnalysisCommand();
CliCommand PowerCommand();
CliCommand SlopesCommand();
CliCommand TreadmillCommand();
CliCommand PerfTableCommand();
CliCommand GraphCommand();
CliCommand RacesCommand();
CliCommand ActivityCommand();
CliCommand SpecialCommand();
CliCommand TeamCommand();
CliCommand HelpCommand();

const std::vector<CliCommand>& AllCliCommands();

}  // namespace kestrova
