#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "model/main_form_inputs.hpp"

namespace kestrova {

enum class SettingsLoad {
    Missing,     // no file of that name: nothing applied
    CannotOpen,  // there is something of that name, but it cannot be read (reason says why)
    Stopped,     // reading stopped at stopLine before the file's end: the rest keeps its value
    Loaded,      // read to the file's end (a file that ends early is read as far as it goes)
};

// How far a settings file could be read, and why it stopped.
struct SettingsReading {
    SettingsLoad outcome = SettingsLoad::Missing;
    int linesApplied = 0;
    int stopLine = 0;    // the first line (from 1) not applied when reading stopped; else 0
    std::string reason;  // why the file could not be opened or reading stopped
};

// Files larger than this are not settings files (66 short lines).
inline constexpr std::size_t kMostSettingsBytes = 1 << 20;

// Applies a settings file's bytes to the form. A UTF-8 byte-order mark is skipped; bytes that are
// not valid UTF-8 are read as Windows-1252 text. Bytes holding a zero byte (UTF-16, binary data)
// are refused as a whole at line 1.
SettingsReading ApplySettingsBytes(std::string_view bytes, MainFormInputs& form);

// Reads the settings file at `path` into the form. Only a regular file is opened for reading (a
// pipe or a device never makes it wait); one over kMostSettingsBytes is refused at line 1.
SettingsReading ReadSettingsFile(const std::filesystem::path& path, MainFormInputs& form);

// Reads settings from a stream (standard input) in the same way, up to its end.
SettingsReading ReadSettingsStream(std::istream& in, MainFormInputs& form);

// The words saying that reading the file stopped part way: which line, why, and that the
// inputs from there on keep their start-up values.
std::string SettingsStopWarning(const std::filesystem::path& path, const SettingsReading& reading);

}  // namespace kestrova
