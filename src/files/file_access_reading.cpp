#include "files/file_access_reading.hpp"

#include "files/race_list.hpp"
#include "files/race_plausibility.hpp"

namespace kestrova {

std::string QuotedFileName(const std::filesystem::path& name) {
    return "\"" + name.string() + "\"";
}

namespace {

std::string Races(int count, const char* what = "races") {
    std::string text = std::to_string(count) + " " + what;
    if (count == 1) {
        text.pop_back();
    }
    return text;
}

}  // namespace

// Lists every race of the table in file order, each once with its main-window mark.
void RebuildRaceList(FileAccessState& state) {
    state.listLines.clear();
    state.listRaces.clear();
    for (int n = 1; n <= state.recordCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        const std::optional<std::string>& damage = state.damage[row];
        state.listLines.push_back(damage
                                      ? DamagedRaceListLine(n, *damage)
                                      : RaceListLine(state.raceTable[row], state.formRowOf[row]));
        state.listRaces.push_back(n);
    }
}

namespace {

// Takes the races of a file as read, with their verdicts, keeping the marks of the races still
// in it.
void TakeRaces(FileAccessState& state, std::vector<SavedRaceRecord> races,
               std::vector<std::optional<std::string>> damage) {
    state.recordCount = static_cast<int>(races.size());
    state.raceTable.assign(1, SavedRaceRecord{});
    state.raceTable.insert(state.raceTable.end(), races.begin(), races.end());
    state.damage.assign(1, std::nullopt);
    state.damage.insert(state.damage.end(), damage.begin(), damage.end());
    state.formRowOf.resize(state.raceTable.size(), 0);
    state.Text9 = state.refused ? "" : std::to_string(state.recordCount + 1);
    RebuildRaceList(state);
}

// Says what is odd about a file that was read (or why it could not be): missing, unreadable,
// ending with an incomplete record, too long, holding damaged records. Returns true when its
// races can be listed.
bool ReportRaceFileRead(const RaceFileRead& read, const RaceFileVerdict& verdict,
                        const std::string& name, Notifier& notifier) {
    const std::string file = "The file " + QuotedFileName(name);
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
    const auto firstDamage = [&verdict] {
        const auto first = static_cast<std::size_t>(verdict.firstDamaged);
        return "record " + std::to_string(first) + ": " + verdict.damage.at(first - 1).value();
    };
    if (verdict.Refused()) {
        notifier.Show(file + " does not look like a saved race file (" + firstDamage() + ").");
        return true;
    }
    if (read.contents.incompleteBytes > 0) {
        notifier.Show(file + " ends with an incomplete record of " +
                      std::to_string(read.contents.incompleteBytes) +
                      " bytes. Its whole races are listed, but nothing can be added to it.");
    }
    if (read.contents.tooManyRecords) {
        notifier.Show(file + " holds more than " + Races(kMostRaceNumber) + ". The first " +
                      std::to_string(kMostRaceNumber) +
                      " are listed, but nothing can be added to it.");
    }
    if (verdict.damagedCount > 0) {
        notifier.Show(file + " holds " + Races(verdict.damagedCount, "damaged races") + " (" +
                      firstDamage() +
                      "). Damaged races are listed as such and cannot be selected.");
    }
    return true;
}

// Reports on a file that was read and takes its races. A refused file is open but read-only,
// with nothing listed. Returns false when it could not be read.
bool TakeFile(FileAccessState& state, RaceFileRead read, const std::string& name,
              Notifier& notifier) {
    RaceFileVerdict verdict = JudgeRaceFile(read.contents.records);
    if (!ReportRaceFileRead(read, verdict, name, notifier)) {
        return false;
    }
    state.refused = verdict.Refused();
    state.readOnly = state.refused || read.contents.ReadOnly();
    if (state.refused) {
        TakeRaces(state, {}, {});
    } else {
        TakeRaces(state, std::move(read.contents.records), std::move(verdict.damage));
    }
    return true;
}

}  // namespace

// Opens a file that was read: a fresh list without the marks and picks of the previous file.
void LoadRaceFile(FileAccessState& state, const std::string& name, RaceFileRead read,
                  Notifier& notifier) {
    if (read.status != RaceFileStatus::Read) {
        ReportRaceFileRead(read, RaceFileVerdict{}, name, notifier);
        return;
    }
    state.formRowOf.clear();
    state.nextFormRow = 0;
    state.pickedCount = 0;
    if (!TakeFile(state, std::move(read), name, notifier)) {
        return;
    }
    // Held with its directory, so that writes go to this file wherever the current directory moves.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    state.openFile = error ? std::filesystem::path(name) : absolute;
    state.fileOpen = true;
}

// Another program changed the open file: reads it again and lists it as it now is, keeping the
// marks of the races copied into the main window.
void RereadRaceFile(FileAccessState& state, Notifier& notifier) {
    const std::string name = state.openFile.string();
    if (!TakeFile(state, ReadRaceFile(state.openFile), name, notifier)) {
        CloseRaceFile(state);
        return;
    }
    if (state.refused) {
        return;  // its message says why nothing of it is listed any more
    }
    notifier.Show("The file " + QuotedFileName(name) +
                  " was changed by another program; it now holds " + Races(state.recordCount) +
                  ". Nothing was written: look at the list and add the race again.");
}

}  // namespace kestrova
