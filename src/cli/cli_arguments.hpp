#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrova {

// What one call of kestrova-cli asks for.
struct CliRequest {
    std::string command;                      // "table", "report", "analysis", or empty
    std::optional<std::string> settingsPath;  // --settings FILE
    bool json = false;                        // --json
    std::optional<std::string> name;          // --name NAME
    bool help = false;                        // --help, -h or "help"
};

// The request, or a one-line reason why the arguments cannot be used.
struct ParsedArguments {
    std::optional<CliRequest> request;
    std::string error;
};

ParsedArguments ParseCliArguments(const std::vector<std::string>& args);

// The text --help prints.
std::string CliHelpText();

}  // namespace kestrova
