#pragma once

#include <filesystem>

#include "model/main_form_inputs.hpp"
#include "model/notifier.hpp"

namespace kestrova {

// The settings file in the directory that is current now (it moves when the current directory
// does), as a full path.
std::filesystem::path CurrentSettingsPath();

// Reads the settings file of the current directory into the form, if there is one. A missing,
// short or damaged file leaves the controls it does not reach as they are. When something could
// not be read, says so once; the file is first kept beside it under another name, so that the
// write at closing cannot cost the user the lines it holds (LoadSettingsAtStartUp).
void LoadStartUpSettings(MainFormInputs& form, Notifier& notifier);

// Writes the form to the settings file of the current directory. When that fails, says so in a
// message naming the file; returns whether the file was written.
bool SaveSettingsAtClose(const MainFormInputs& form, Notifier& notifier);

}  // namespace kestrova
