#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/table_cells.hpp"
#include "cli/cli_command.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"

namespace kestrova {

// The options most commands share.
CliOption SettingsOption();
CliOption JsonOption(std::string help);
// --metric of the pace tables: paces per kilometre (and km/hr) instead of per mile.
CliOption MetricOption();

// The pace unit --metric asks for, and its name in JSON output ("mile" or "kilometer").
PaceUnit PaceUnitOf(const CliInvocation& invocation);
std::string PaceUnitName(PaceUnit unit);

// The main window's inputs from --settings FILE, or kestini.txt in the current directory, or the
// start-up values when that does not exist. A file whose reading stopped part way is used as far
// as it was read, with a warning on err. On failure it prints why on err (as
// "kestrova-cli: ...") and gives nothing; the command then exits with kExitUsageOrFile.
// The runner options given (cli/runner_options.hpp) then override what the file held, except
// those the command takes with a meaning of its own (`commandOwn`); with --race and without
// --settings no file is read. A runner option that cannot be used is reported the same way.
std::optional<MainFormInputs> LoadCliInputs(const CliInvocation& invocation, std::ostream& err,
                                            const std::vector<std::string_view>& commandOwn = {});

// The settings file a command reads: --settings FILE, or kestini.txt in the current directory.
std::filesystem::path CliSettingsPath(const CliInvocation& invocation);

using CalculatedRunnerStep = std::function<int(ModelState&, MainFormInputs&)>;

// What most commands do first: the inputs as LoadCliInputs gives them, then "Calculate" on
// them through the runner's session as the main window's button runs it, then `then` with the
// calculated state and inputs. Returns kExitUsageOrFile or kExitRefused when the inputs cannot
// be used or a message stopped the run (its messages go to err), else what `then` returns.
int WithCalculatedRunner(const CliInvocation& invocation, std::ostream& err,
                         const CalculatedRunnerStep& then);
// The same on inputs the command has read already.
int WithCalculatedRunner(const CliInvocation& invocation, MainFormInputs form, std::ostream& err,
                         const CalculatedRunnerStep& then);

void PrintLines(const std::vector<std::string>& lines, std::ostream& out);

// Prints "kestrova-cli: reason" and gives kExitUsageOrFile.
int UsageError(std::ostream& err, const std::string& reason);

}  // namespace kestrova
