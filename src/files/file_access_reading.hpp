#pragma once

#include <filesystem>
#include <string>

#include "files/file_access.hpp"
#include "files/race_file.hpp"
#include "model/notifier.hpp"

namespace kestrova {

// How the file access window takes in a race file it read: judging its records, saying what is
// odd about it, and listing its races.

// A file name in quotes, as messages name a file.
std::string QuotedFileName(const std::filesystem::path& name);

// Lists every race of the table in file order, each once with its main-window mark, or
// "damaged" and why.
void RebuildRaceList(FileAccessState& state);

// Opens a file that was read (or says why it could not be): a fresh list without the marks and
// picks of the previous file. A file most of whose records cannot be races is refused: it is
// open, read-only and lists nothing.
void LoadRaceFile(FileAccessState& state, const std::string& name, RaceFileRead read,
                  Notifier& notifier);

// Another program changed the open file: reads it again, lists it as it now is, keeping the
// marks of the races copied into the main window, and says so.
void RereadRaceFile(FileAccessState& state, Notifier& notifier);

}  // namespace kestrova
