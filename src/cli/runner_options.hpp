#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_command.hpp"
#include "model/main_form_inputs.hpp"

namespace kestrova {

// The runner and the races on the command line: --race DISTANCE TIME (up to five), --age,
// --sex, --weekly-miles or --weekly-km, --weight-kg or --weight-lb, --fit, --level,
// --age-graded and --english. A command that reads a settings file takes them after its own
// options; an option of the command's own with the same name keeps the command's meaning.
std::vector<CliOption> WithRunnerOptions(std::vector<CliOption> own);

// Their section of --help, with a complete example.
std::string RunnerOptionsHelp();

// Whether --race was given: the inputs then start from the start-up values, not from
// kestini.txt, unless --settings names a file.
bool GivesRaces(const CliInvocation& invocation);

// Applies the runner options given (except those named in `commandOwn`) to the form, over what
// the settings file held. Returns the one line that says which option cannot be used and why.
std::optional<std::string> ApplyRunnerOptions(const CliInvocation& invocation, MainFormInputs& form,
                                              const std::vector<std::string_view>& commandOwn);

}  // namespace kestrova
