#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/main_form_inputs.hpp"

namespace kestrova {

// How a file is kept under another name.
enum class KeepBy {
    Linking,  // a second name for the same bytes (instant, no space); moved when links fail
    Moving,   // the file itself moves to the other name
};

// Keeps the file at `path` beside it under a name that is free (path + ".unreadable", then
// ".unreadable.2", ...), so that no earlier copy is overwritten; nothing is copied, so the
// largest file is kept at once and takes no more space. A file already kept under one of those
// names (the same file, not changed since) is not kept again. Returns the name it is kept under,
// or nothing with `why` set.
std::optional<std::filesystem::path> KeepOriginalBeside(const std::filesystem::path& path,
                                                        KeepBy how, std::string& why);

// Reads the settings file at `path` into the form at start-up. A file that could not be read
// (or read only part way) is first kept beside under another name, so that the save at closing
// cannot cost the user its bytes. Gives the message saying what could not be read and where the
// file is kept, or nothing when there was nothing to say (no file, or all of it read).
std::optional<std::string> LoadSettingsAtStartUp(const std::filesystem::path& path,
                                                 MainFormInputs& form);

// Writes the form to the settings file at `path` at closing. A regular file there that cannot be
// read is never replaced (its bytes could not be kept). Gives the message naming the file and
// why it was not saved, or nothing.
std::optional<std::string> SaveSettingsAtClosing(const std::filesystem::path& path,
                                                 const MainFormInputs& form);

}  // namespace kestrova
