#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "files/file_access.hpp"
#include "files/race_file.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova::test_support {

inline SavedRaceRecord Race(int number, float seconds, const char* comment = "") {
    SavedRaceRecord record;
    record.raceNumber = static_cast<std::int16_t>(number);
    record.minutes = 2.0F;
    record.seconds = seconds;
    record.number = 800.0F;
    record.units[3] = kUnitMark;
    SetComment(record, comment);
    return record;
}

inline std::string Bytes(const SavedRaceRecord& race) {
    const RecordBytes bytes = EncodeRecord(race);
    return std::string(bytes.begin(), bytes.end());
}

// A file of races 1 ... count, race n run in 100 + n seconds.
inline std::string FileOf(int count) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        const RecordBytes record = EncodeRecord(Race(n, 100.0F + static_cast<float>(n)));
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}

inline RaceEntryRow Entry(const std::string& raceNumber, const std::string& seconds) {
    RaceEntryRow entry;
    entry.Text2 = "2";
    entry.Text3 = seconds;
    entry.Text4 = "800";
    entry.unitOption[3] = true;
    entry.Text9 = raceNumber;
    return entry;
}

class FileAccessTest : public ::testing::Test {
  protected:
    std::string PathOf(const char* name) const { return (directory_.Path() / name).string(); }
    // A file holding races 1 ... count, opened with "Open Existing".
    std::string OpenFileOf(int count, const char* name = "runs.kst") {
        const std::string path = directory_.Write(name, FileOf(count)).string();
        OpenExisting(state_, path, notifier_);
        return path;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Message& message : notifier_.Messages()) {
            texts.push_back(message.text);
        }
        return texts;
    }
    void Click(int line) { state_.selectedRow = line; }
    std::optional<int> SelectLine(int line) {
        Click(line);
        return SelectRace(state_, form_, copied_, notifier_);
    }

    ScratchDirectory directory_;
    FileAccessState state_;
    MainFormInputs form_;
    CopiedRaceRows copied_;
    RecordingNotifier notifier_;
};

}  // namespace kestrova::test_support
