#include "files/file_access.hpp"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "files/race_list.hpp"
#include "model/number_reader.hpp"

namespace kestrova {
namespace {

constexpr std::string_view kExtension = ".kst";

std::string Quoted(const std::filesystem::path& name) {
    return "\"" + name.string() + "\"";
}

// Forgets the races and marks of the previous file and the picks made from it.
void StartList(FileAccessState& state, std::vector<SavedRaceRecord> races) {
    state.recordCount = static_cast<int>(races.size());
    state.raceTable.assign(1, SavedRaceRecord{});
    state.raceTable.insert(state.raceTable.end(), races.begin(), races.end());
    state.formRowOf.assign(state.raceTable.size(), 0);
    state.nextFormRow = 0;
    state.pickedCount = 0;
    state.Text9 = std::to_string(state.recordCount + 1);
}

// Lists every race of the table in file order, each with its main-window mark.
void RebuildList(FileAccessState& state) {
    state.listLines.clear();
    state.listRaces.clear();
    for (int n = 1; n <= state.recordCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        state.listLines.push_back(RaceListLine(state.raceTable[row], state.formRowOf[row]));
        state.listRaces.push_back(n);
    }
}

void Load(FileAccessState& state, const std::filesystem::path& name, RaceFileContents contents) {
    // Held with its directory, so that writes go to this file wherever the current directory moves.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    state.openFile = error ? name : absolute;
    state.fileOpen = true;
    state.readOnly = contents.ReadOnly();
    StartList(state, std::move(contents.records));
    RebuildList(state);
}

// The race shown on the clicked line, if a line of the list is clicked.
std::optional<int> ClickedRace(const FileAccessState& state) {
    if (state.selectedRow < 1 ||
        static_cast<std::size_t>(state.selectedRow) > state.listRaces.size()) {
        return std::nullopt;
    }
    const int race = state.listRaces[static_cast<std::size_t>(state.selectedRow - 1)];
    if (race < 1 || race > state.recordCount) {
        return std::nullopt;
    }
    return race;
}

// A box of the entry row as a 32-bit float: its leading number, held within the float range.
float EntryFloat(const std::string& text) {
    return static_cast<float>(std::clamp(ReadAsNumber(text), -double{FLT_MAX}, double{FLT_MAX}));
}

SavedRaceRecord EntryRecord(const RaceEntryRow& entry, int raceNumber) {
    SavedRaceRecord record;
    record.raceNumber = static_cast<std::int16_t>(raceNumber);
    record.hours = EntryFloat(entry.Text1);
    record.minutes = EntryFloat(entry.Text2);
    record.seconds = EntryFloat(entry.Text3);
    record.number = EntryFloat(entry.Text4);
    for (std::size_t unit = 0; unit < record.units.size(); ++unit) {
        record.units[unit] = entry.unitOption[unit] ? kUnitMark : ' ';
    }
    SetComment(record, entry.Text5);
    return record;
}

// The race number of the entry row when it can be written: a whole number from 1 to the next
// free number (a larger one would leave a gap of zero bytes in the file).
std::optional<int> EntryRaceNumber(const FileAccessState& state, const std::string& text,
                                   Notifier& notifier) {
    const int nextFree = state.recordCount + 1;
    const int highest = std::min(nextFree, kMostRaceNumber);
    const double value = ReadAsNumber(text);
    if (value >= 1.0 && value <= highest && value == std::floor(value)) {
        return static_cast<int>(value);
    }
    std::string message =
        "The race number must be a whole number from 1 to " + std::to_string(highest);
    message += highest == nextFree ? ", the next available race number." : ".";
    notifier.Show(message);
    return std::nullopt;
}

bool IsFiniteRace(const SavedRaceRecord& race) {
    return std::isfinite(race.hours) && std::isfinite(race.minutes) &&
           std::isfinite(race.seconds) && std::isfinite(race.number);
}

void CopyIntoRow(const SavedRaceRecord& race, RaceRowInputs& row) {
    row.Text1 = FloatText(race.hours);
    row.Text2 = FloatText(race.minutes);
    row.Text3 = FloatText(race.seconds);
    row.Text4 = FloatText(race.number);
    if (const std::optional<DistanceUnit> unit = MarkedUnit(race)) {
        row.SelectUnit(*unit);
    }
    row.Check1 = 1;
}

}  // namespace

bool ReportRaceFileRead(const RaceFileRead& read, const std::string& name, Notifier& notifier) {
    const std::string file = "The file " + Quoted(name);
    switch (read.status) {
        case RaceFileStatus::Missing:
            notifier.Show(file + " does not exist.");
            return false;
        case RaceFileStatus::Unreadable:
            notifier.Show(file + " could not be read: " + read.reason + ".");
            return false;
        case RaceFileStatus::Read:
            break;
    }
    if (read.contents.incompleteBytes > 0) {
        notifier.Show(file + " ends with an incomplete record of " +
                      std::to_string(read.contents.incompleteBytes) +
                      " bytes. Its whole races are listed, but nothing can be added to it.");
    }
    if (read.contents.tooManyRecords) {
        notifier.Show(file + " holds more than " + std::to_string(kMostRaceNumber) +
                      " races. The first " + std::to_string(kMostRaceNumber) +
                      " are listed, but nothing can be added to it.");
    }
    return true;
}

void CloseRaceFile(FileAccessState& state) {
    state.fileOpen = false;
    state.readOnly = false;
}

void OpenNew(FileAccessState& state, std::string_view fileName, Notifier& notifier) {
    CloseRaceFile(state);
    if (fileName.empty()) {
        notifier.Show("You must specify a file name in the box to create a new file.");
        return;
    }
    std::string name(fileName);
    if (!name.ends_with(kExtension)) {
        name += kExtension;
    }
    RaceFileRead read = ReadRaceFile(name);
    if (read.status != RaceFileStatus::Missing) {
        // Opening it empty would let the next "Add to File" replace race 1 unseen.
        if (read.status == RaceFileStatus::Read) {
            notifier.Show("The file " + Quoted(name) +
                          " already exists. Its races are kept and listed, and the next race "
                          "number follows the last.");
        }
        if (ReportRaceFileRead(read, name, notifier)) {
            Load(state, name, std::move(read.contents));
        }
        return;
    }
    if (const std::optional<std::string> failure = CreateRaceFile(name)) {
        notifier.Show("The file " + Quoted(name) + " could not be created: " + *failure + ".");
        return;
    }
    Load(state, name, RaceFileContents{});
}

void OpenExisting(FileAccessState& state, std::string_view fileName, Notifier& notifier) {
    CloseRaceFile(state);
    if (fileName.empty()) {
        notifier.Show("Please select a file.");
        return;
    }
    const std::string name(fileName);
    RaceFileRead read = ReadRaceFile(name);
    if (ReportRaceFileRead(read, name, notifier)) {
        Load(state, name, std::move(read.contents));
    }
}

void AddToFile(FileAccessState& state, const RaceEntryRow& entry, Notifier& notifier) {
    if (!state.CanAdd()) {
        return;
    }
    const std::optional<int> raceNumber = EntryRaceNumber(state, entry.Text9, notifier);
    if (!raceNumber) {
        return;
    }
    const SavedRaceRecord record = EntryRecord(entry, *raceNumber);
    if (const std::optional<std::string> failure = WriteRaceRecord(state.openFile, record)) {
        notifier.Show("Race " + std::to_string(*raceNumber) + " could not be written to " +
                      Quoted(state.openFile) + ": " + *failure + ".");
        return;
    }
    state.recordCount = std::max(state.recordCount, *raceNumber);
    const auto rows = static_cast<std::size_t>(state.recordCount) + 1;
    state.raceTable.resize(rows);
    state.formRowOf.resize(rows, 0);
    state.raceTable[static_cast<std::size_t>(*raceNumber)] = record;
    state.listLines.push_back(RaceListLine(record, 0));
    state.listRaces.push_back(*raceNumber);
    state.Text9 = std::to_string(state.recordCount + 1);
}

std::optional<int> SelectRace(FileAccessState& state, MainFormInputs& form, Notifier& notifier) {
    if (state.pickedCount >= kRaceRowCount) {
        notifier.Show("Already picked 5 races - omit one first.", {}, true);
        return std::nullopt;
    }
    const std::optional<int> race = ClickedRace(state);
    if (!race) {
        notifier.Show("Click a race in the list first.");
        return std::nullopt;
    }
    const SavedRaceRecord& record = state.raceTable[static_cast<std::size_t>(*race)];
    if (!IsFiniteRace(record)) {
        notifier.Show("Race " + std::to_string(*race) +
                      " holds a value that is not a number, so it cannot be used.");
        return std::nullopt;
    }
    const int row = state.nextFormRow;
    // The row is about to be overwritten: the race it held is no longer in the main window.
    std::replace(state.formRowOf.begin(), state.formRowOf.end(), row + 1, 0);
    state.formRowOf[static_cast<std::size_t>(*race)] = row + 1;
    CopyIntoRow(record, form.rows[static_cast<std::size_t>(row)]);
    state.nextFormRow = (row + 1) % kRaceRowCount;
    ++state.pickedCount;
    RebuildList(state);
    return row;
}

std::optional<int> OmitRace(FileAccessState& state, MainFormInputs& form, Notifier& notifier) {
    const std::optional<int> race = ClickedRace(state);
    const int mark = race ? state.formRowOf[static_cast<std::size_t>(*race)] : 0;
    if (mark == 0) {
        notifier.Show("Not already selected.", {}, true);
        return std::nullopt;
    }
    state.formRowOf[static_cast<std::size_t>(*race)] = 0;
    RaceRowInputs& row = form.rows[static_cast<std::size_t>(mark - 1)];
    row.Text1.clear();
    row.Text2.clear();
    row.Text3.clear();
    row.Text4.clear();
    row.Check1 = 0;
    state.pickedCount = std::max(0, state.pickedCount - 1);
    state.nextFormRow = mark - 1;
    RebuildList(state);
    return mark - 1;
}

}  // namespace kestrova
