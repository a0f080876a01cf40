#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
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
std::optional<MainFormInputs> LoadCliInputs(const CliInvocation& invocation, std::ostream& err);

// "Calculate" on the inputs, as the main window's button runs it before any analysis can be
// asked for, into a state as the main window holds it after start-up with these inputs. Its
// messages go to err; false when a message stopped it (the command exits with kExitRefused).
bool CalculateFirst(ModelState& state, MainFormInputs& form, std::ostream& err);

// What most commands do first: the inputs as LoadCliInputs gives them, then "Calculate" on
// them as the table command runs it, then `then` with the calculated state and inputs. Returns
// kExitUsageOrFile or kExitRefused when the inputs cannot be used or a message stopped the run,
// else what `then` returns.
int WithCalculatedRunner(const CliInvocation& invocation, std::ostream& err,
                         const std::function<int(ModelState&, MainFormInputs&)>& then);

void PrintLines(const std::vector<std::string>& lines, std::ostream& out);

// Prints "kestrova-cli: reason" and gives kExitUsageOrFile.
int UsageError(std::ostream& err, const std::string& reason);

}  // namespace kestrova
