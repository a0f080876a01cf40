#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/race_file.hpp"
#include "files/saved_race_record.hpp"
#include "model/copied_race_rows.hpp"
#include "model/main_form_inputs.hpp"
#include "model/notifier.hpp"

namespace kestrova {

// What the file access window keeps for the whole run, not only while it is open: the open race
// file, its races as loaded, which main-window row holds which race, and the list shown.
struct FileAccessState {
    std::filesystem::path openFile;  // the open race file, with its directory
    bool fileOpen = false;           // the "Open" check box
    bool readOnly = false;           // the open file must not be written (see RaceFileContents)
    bool refused = false;            // the open file is no race file: nothing of it is listed

    int recordCount = 0;                     // races of the open file
    std::vector<SavedRaceRecord> raceTable;  // row n holds race n; row 0 is not used
    // Per race like raceTable: why it is damaged (it is then listed so, and cannot be selected).
    std::vector<std::optional<std::string>> damage;
    std::vector<int> formRowOf;  // per race: the main-window row 1-5 it was last copied into, or 0

    int selectedRow = 0;  // the list line last clicked, from 1
    int nextFormRow = 0;  // the main-window row 0-4 that receives the next selected race
    int pickedCount = 0;  // races currently copied into the main window

    std::vector<std::string> listLines;  // List1
    std::vector<int> listRaces;          // the race number each list line shows
    std::string Text9;                   // "Next available race number for file:"

    // "Add to File" can be used.
    bool CanAdd() const { return fileOpen && !readOnly; }
};

// The entry row of the window: the race that "Add to File" writes.
struct RaceEntryRow {
    std::string Text1;                                  // hours
    std::string Text2;                                  // minutes
    std::string Text3;                                  // seconds
    std::string Text4;                                  // number
    std::array<bool, kDistanceUnitCount> unitOption{};  // Option1 ... Option6
    std::string Text5;                                  // comment
    std::string Text9;                                  // race number
};

// The file name box changed: the open race file is closed.
void CloseRaceFile(FileAccessState& state);

// "Open New": creates the file (".kst" is appended unless the name ends in exactly that) and
// starts an empty list with race number 1. An existing file is opened as "Open Existing" opens
// it, with a message that its races are kept.
void OpenNew(FileAccessState& state, std::string_view fileName, Notifier& notifier);

// "Open Existing": opens the file (the name as typed, else with ".kst" added) and lists its
// races; the next race number follows the last. A file most of whose records cannot be races is
// refused: it stays open read-only with nothing listed. Records that cannot be races are listed
// as damaged.
void OpenExisting(FileAccessState& state, std::string_view fileName, Notifier& notifier);

// "Add to File": writes the entry row as race Text9 (replacing it or extending the file by one
// race) and lists it. A race without a time, a distance or a unit, a refused number or a failed
// write changes nothing. When another program changed the file since it was read, nothing is
// written: the file is read again and listed as it now is.
void AddToFile(FileAccessState& state, const RaceEntryRow& entry, Notifier& notifier);

// "Select Race": copies the race on the clicked line into main-window row nextFormRow, remembers
// the copy in `copied` and marks it in the list. A typed race in that row is replaced only when
// the user says so. Returns the row it filled (0-4), nothing when it refused or was cancelled.
std::optional<int> SelectRace(FileAccessState& state, MainFormInputs& form, CopiedRaceRows& copied,
                              Notifier& notifier);

// "Omit Race": takes the race on the clicked line out of its main-window row, which the next
// selection then fills. Returns the row it emptied (0-4), nothing when it refused.
std::optional<int> OmitRace(FileAccessState& state, MainFormInputs& form, Notifier& notifier);

}  // namespace kestrova
