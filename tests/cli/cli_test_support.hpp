#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova::test_support {

// One kestrova-cli call with what it printed.
struct CliCall {
    int status = -1;
    std::string out;
    std::string err;
};

// The console of a test: no standard input, not a terminal, the built image library.
inline CliConsole TestConsole() {
    CliConsole console;
    console.imageModule = KESTROVA_TEST_IMAGE_MODULE;
    return console;
}

inline CliCall CallCli(const std::vector<std::string>& args, const std::filesystem::path& directory,
                       const CliConsole& console = TestConsole()) {
    std::ostringstream out;
    std::ostringstream err;
    CliCall call;
    call.status = RunCli(args, directory, out, err, console);
    call.out = out.str();
    call.err = err.str();
    return call;
}

}  // namespace kestrova::test_support
