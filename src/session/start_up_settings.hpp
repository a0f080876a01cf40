#pragma once

#include <filesystem>

#include "model/main_form_inputs.hpp"
#include "model/notifier.hpp"

namespace kestrova {

// The settings file in the directory that is current now, as a full path. The program takes it
// once at start-up and keeps it, so nothing that changes the current directory later moves it.
std::filesystem::path CurrentSettingsPath();

// Reads the settings file at `path` into the form, if there is one. A missing,
// short or damaged file leaves the controls it does not reach as they are. When something could
// not be read, says so once; the file is first kept beside it under another name,
// so that the write at closing cannot cost the user the lines it holds.
void LoadStartUpSettings(const std::filesystem::path& path, MainFormInputs& form,
                         Notifier& notifier);

// Writes the form to the settings file at `path`. When that fails, says so in a
// message naming the file; returns whether the file was written.
bool SaveSettingsAtClose(const std::filesystem::path& path, const MainFormInputs& form,
                         Notifier& notifier);

}  // namespace kestrova
