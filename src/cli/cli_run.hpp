#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kestrova {

inline constexpr int kExitPrinted = 0;
inline constexpr int kExitUsageOrFile = 2;
inline constexpr int kExitRefused = 3;

// Runs one kestrova-cli call (args without the program name) with the given current directory
// for the default settings file. Output goes to out, messages and errors to err; returns the
// exit status.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& currentDirectory,
           std::ostream& out, std::ostream& err);

}  // namespace kestrova
