#include "cli/cli_commands.hpp"

namespace kestrova {

std::optional<std::string> CliInvocation::Value(std::string_view name) const {
    const auto found = values.find(name);
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<std::vector<std::string>> CliInvocation::Uses(std::string_view name) const {
    const auto found = repeated.find(name);
    return found == repeated.end() ? std::vector<std::vector<std::string>>{} : found->second;
}

const std::vector<CliCommand>& AllCliCommands() {
    static const std::vector<CliCommand> commands = {
        TableCommand(),  ReportCommand(),    AnalysisCommand(),  PowerCommand(),
        SlopesCommand(), TreadmillCommand(), PerfTableCommand(), GraphCommand(),
        RacesCommand(),  ActivityCommand(),  SpecialCommand(),   TeamCommand(),
        HelpCommand(),
    };
    return commands;
}

}  // namespace kestrova
