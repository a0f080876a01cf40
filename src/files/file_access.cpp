#include "files/file_access.hpp"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "files/file_access_reading.hpp"
#include "files/race_list.hpp"
#include "files/race_plausibility.hpp"
#include "model/control_characters.hpp"
#include "model/number_reader.hpp"

namespace kestrova {
namespace {

constexpr std::string_view kExtension = ".kst";

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
    // A pasted tab or line break would make the record unreadable as a race.
    SetComment(record, ControlCharactersAsBlanks(entry.Text5));
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

// What a race needs and the record lacks, as a message, or nothing when it is complete: a time,
// a distance number (unless the unit is a fixed distance) and a unit.
std::optional<std::string> MissingParts(const SavedRaceRecord& record) {
    const double time =
        double{record.hours} * 3600.0 + double{record.minutes} * 60.0 + double{record.seconds};
    const std::optional<DistanceUnit> unit = MarkedUnit(record);
    std::vector<std::string> missing;
    if (time == 0.0) {
        missing.emplace_back("a time");
    }
    if (record.number == 0.0F && !(unit && IsFixedDistance(*unit))) {
        missing.emplace_back("a distance number");
    }
    if (!unit) {
        missing.emplace_back("a unit");
    }
    if (missing.empty()) {
        return std::nullopt;
    }
    std::string text = "The race cannot be added without " + missing.front();
    for (std::size_t i = 1; i < missing.size(); ++i) {
        text += (i + 1 == missing.size() ? " and " : ", ") + missing[i];
    }
    return text + ".";
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

// Asks before a typed race in `row` is replaced; true when the row may be written.
bool MayReplace(const CopiedRaceRows& copied, int row, const RaceRowInputs& contents, int race,
                Notifier& notifier) {
    if (!copied.HoldsTypedRace(row, contents)) {
        return true;
    }
    return notifier.Ask(Question{"Row " + std::to_string(row + 1) + " holds " +
                                     RaceRowSummary(contents) + ". Replace it with race " +
                                     std::to_string(race) + "?",
                                 "", "Replace", "Cancel"});
}

}  // namespace

void CloseRaceFile(FileAccessState& state) {
    state.fileOpen = false;
    state.readOnly = false;
    state.refused = false;
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
    if (read.status == RaceFileStatus::Missing) {
        if (const std::optional<std::string> failure = CreateRaceFile(name)) {
            notifier.Show("The file " + QuotedFileName(name) +
                          " could not be created: " + *failure + ".");
            return;
        }
        read.status = RaceFileStatus::Read;
    } else if (read.status == RaceFileStatus::Read &&
               !JudgeRaceFile(read.contents.records).Refused()) {
        // Opening it empty would let the next "Add to File" replace race 1 unseen.
        notifier.Show("The file " + QuotedFileName(name) +
                      " already exists. Its races are kept and listed, and the next race "
                      "number follows the last.");
    }
    LoadRaceFile(state, name, std::move(read), notifier);
}

void OpenExisting(FileAccessState& state, std::string_view fileName, Notifier& notifier) {
    CloseRaceFile(state);
    if (fileName.empty()) {
        notifier.Show("Please select a file.");
        return;
    }
    std::string name(fileName);
    RaceFileRead read = ReadRaceFile(name);
    if (read.status == RaceFileStatus::Missing && !name.ends_with(kExtension)) {
        RaceFileRead withExtension = ReadRaceFile(name + std::string(kExtension));
        if (withExtension.status != RaceFileStatus::Missing) {
            name += kExtension;
            read = std::move(withExtension);
        }
    }
    LoadRaceFile(state, name, std::move(read), notifier);
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
    if (const std::optional<std::string> missing = MissingParts(record)) {
        notifier.Show(*missing);
        return;
    }
    if (const std::optional<std::string> bad = ImplausibleBecause(record, *raceNumber)) {
        notifier.Show("The race cannot be added: " + *bad + ".");
        return;
    }
    const auto row = static_cast<std::size_t>(*raceNumber);
    RaceFileExpectation expected;
    expected.length = static_cast<std::uintmax_t>(state.recordCount) * kRecordBytes;
    if (*raceNumber <= state.recordCount) {
        expected.replaced = EncodeRecord(state.raceTable[row]);
    }
    const RaceWrite write = WriteRaceRecord(state.openFile, record, expected);
    if (write.status == RaceWriteStatus::Changed) {
        RereadRaceFile(state, notifier);
        return;
    }
    if (write.status == RaceWriteStatus::Failed) {
        notifier.Show("Race " + std::to_string(*raceNumber) + " could not be written to " +
                      QuotedFileName(state.openFile) + ": " + write.reason + ".");
        return;
    }
    state.recordCount = std::max(state.recordCount, *raceNumber);
    const auto rows = static_cast<std::size_t>(state.recordCount) + 1;
    state.raceTable.resize(rows);
    state.damage.resize(rows);
    state.formRowOf.resize(rows, 0);
    state.raceTable[row] = record;
    state.damage[row].reset();
    state.Text9 = std::to_string(state.recordCount + 1);
    RebuildRaceList(state);
}

std::optional<int> SelectRace(FileAccessState& state, MainFormInputs& form, CopiedRaceRows& copied,
                              Notifier& notifier) {
    if (state.pickedCount >= kRaceRowCount) {
        notifier.Show("Already picked 5 races - omit one first.", {}, true);
        return std::nullopt;
    }
    const std::optional<int> race = ClickedRace(state);
    if (!race) {
        notifier.Show("Click a race in the list first.");
        return std::nullopt;
    }
    const auto raceRow = static_cast<std::size_t>(*race);
    if (const std::optional<std::string>& damage = state.damage[raceRow]) {
        notifier.Show("Race " + std::to_string(*race) + " is damaged (" + *damage +
                      "), so it cannot be used.");
        return std::nullopt;
    }
    const int row = state.nextFormRow;
    RaceRowInputs& contents = form.rows[static_cast<std::size_t>(row)];
    if (!MayReplace(copied, row, contents, *race, notifier)) {
        return std::nullopt;
    }
    // The row is about to be overwritten: the race it held is no longer in the main window.
    std::replace(state.formRowOf.begin(), state.formRowOf.end(), row + 1, 0);
    state.formRowOf[raceRow] = row + 1;
    CopyIntoRow(state.raceTable[raceRow], contents);
    copied.Remember(row, contents);
    state.nextFormRow = (row + 1) % kRaceRowCount;
    ++state.pickedCount;
    RebuildRaceList(state);
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
    RebuildRaceList(state);
    return mark - 1;
}

}  // namespace kestrova
