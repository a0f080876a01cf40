// kestrova-cli on any command line: words are command names, option names, numbers or other
// short texts, in any order. Every call returns one of the three exit statuses and prints no
// number that is not finite. Files it reads or writes are in a scratch directory (no word holds
// a '/', so nothing outside it is reached), emptied before each call.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.hpp"
#include "cli/cli_run.hpp"
#include "fuzz_support.hpp"

namespace {

std::filesystem::path scratch;

// Free words use characters that cannot spell "nan" or "inf", so an output that repeats a word
// is still checked soundly.
constexpr std::string_view kWordCharacters = "0123456789 .+-eE:x_,kmgtspvjo";
// The words that options take as values.
constexpr std::string_view kValueWords[] = {"general", "age", "individual", "metric",
                                            "english", "m",   "f"};

std::string Word(fuzz_support::FuzzInput& input) {
    const std::vector<kestrova::CliCommand>& commands = kestrova::AllCliCommands();
    const kestrova::CliCommand& command =
        commands[static_cast<std::size_t>(input.IntIn(0, static_cast<int>(commands.size()) - 1))];
    switch (input.IntIn(0, 5)) {
        case 0:
            return command.name;
        case 1:
        case 2:
            if (!command.options.empty()) {
                const int last = static_cast<int>(command.options.size()) - 1;
                return command.options[static_cast<std::size_t>(input.IntIn(0, last))].name;
            }
            return "--help";
        case 3:
            return input.Text(8, "0123456789.-e");
        case 4:
            return std::string(kValueWords[static_cast<std::size_t>(
                input.IntIn(0, static_cast<int>(std::size(kValueWords)) - 1))]);
        default:
            return input.Text(10, kWordCharacters);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Images are painted without a display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    scratch = fuzz_support::EnterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each call starts in an empty directory, so that an input fails or passes by itself (not
    // by what an earlier one wrote there).
    for (const auto& entry : std::filesystem::directory_iterator(scratch)) {
        std::filesystem::remove_all(entry.path());
    }
    fuzz_support::FuzzInput input(data, size);
    std::vector<std::string> args;
    const int count = input.IntIn(0, 8);
    for (int i = 0; i < count; ++i) {
        args.push_back(Word(input));
    }
    std::ostringstream out;
    std::ostringstream err;
    int status = kestrova::kExitUsageOrFile;
    try {  // as kestrova-cli's main does
        status = kestrova::RunCli(args, scratch, out, err);
    } catch (const std::exception& failure) {
        err << failure.what() << '\n';
    }
    fuzz_support::Require(status == 0 || status == 2 || status == 3, "an unknown exit status",
                          err.str());
    fuzz_support::RequireFiniteText(out.str(), "kestrova-cli output");
    fuzz_support::RequireFiniteText(err.str(), "kestrova-cli messages");
    return 0;
}
