#include "cli/cli_run.hpp"

#include "cli/cli_arguments.hpp"
#include "cli/cli_commands.hpp"

namespace kestrova {

int RunCli(const std::vector<std::string>& args, const std::filesystem::path& currentDirectory,
           std::ostream& out, std::ostream& err, const CliConsole& console) {
    const std::vector<CliCommand>& commands = AllCliCommands();
    ParsedArguments parsed = ParseCliArguments(args, commands);
    if (parsed.help) {
        out << CliHelpText(commands);
        return kExitPrinted;
    }
    if (parsed.command == nullptr) {
        err << "kestrova-cli: " << parsed.error << " (try kestrova-cli --help)\n";
        return kExitUsageOrFile;
    }
    parsed.invocation.currentDirectory = currentDirectory;
    parsed.invocation.console = console;
    return parsed.command->run(parsed.invocation, out, err);
}

}  // namespace kestrova
