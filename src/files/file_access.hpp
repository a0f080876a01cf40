#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/race_file.hpp"
#include "files/saved_race_record.hpp"
#include "model/main_form_inputs.hpp"
#include "model/notifier.hpp"

namespace kestrova {

// What the file access window keeps for the whole run, not only while it is open: the open race
// file, its races as loaded, which main-window row holds which race, and the list shown.
struct FileAccessState {
    std::filesystem::path openFile;  // the open race file, with its directory
    bool fileOpen = false;           // the "Open" check box
    bool readOnly = false;           // the open file must not be written (see RaceFileContents)

    int recordCount = 0;                     // races of the open file
    std::vector<SavedRaceRecord> raceTable;  // row n holds race n; row 0 is not used
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

// Says what is odd about a file that was read (or why it could not be): missing, unreadable,
// ending with an incomplete record, too long. Returns true when its races can be listed.
bool ReportRaceFileRead(const RaceFileRead& read, const std::string& name, Notifier& notifier);

// The file name box changed: the open race file is closed.
void CloseRaceFile(FileAccessState& state);

// "Open New": creates the file (".kst" is appended unless the name ends in exactly that) and
// starts an empty list with race number 1. An existing file is opened as "Open Existing" opens
// it, with a message that its races are kept.
void OpenNew(FileAccessState& state, std::string_view fileName, Notifier& notifier);

// "Open Existing": opens the file and lists its races; the next race number follows the last.
void OpenExisting(FileAccessState& state, std::string_view fileName, Notifier& notifier);

// "Add to File": writes the entry row as race Text9 (replacing it or extending the file by one
// race) and appends its line to the list. A refused number or a failed write changes nothing.
void AddToFile(FileAccessState& state, const RaceEntryRow& entry, Notifier& notifier);

// "Select Race": copies the race on the clicked line into main-window row nextFormRow and marks
// it in the list. Returns the row it filled (0-4), nothing when it refused.
std::optional<int> SelectRace(FileAccessState& state, MainFormInputs& form, Notifier& notifier);

// "Omit Race": takes the race on the clicked line out of its main-window row, which the next
// selection then fills. Returns the row it emptied (0-4), nothing when it refused.
std::optional<int> OmitRace(FileAccessState& state, MainFormInputs& form, Notifier& notifier);

}  // namespace kestrova
