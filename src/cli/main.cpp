#include <unistd.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_run.hpp"
#include "painting/image_module_loader.hpp"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        std::error_code error;
        std::filesystem::path here = std::filesystem::current_path(error);
        if (error) {
            here = ".";
        }
        const kestrova::CliConsole console{&std::cin, ::isatty(STDOUT_FILENO) == 1,
                                           kestrova::RunningProgramImageModule()};
        return kestrova::RunCli(args, here, std::cout, std::cerr, console);
    } catch (const std::exception& failure) {
        std::cerr << "kestrova-cli: " << failure.what() << '\n';
        return kestrova::kExitUsageOrFile;
    }
}
