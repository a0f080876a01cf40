#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/saved_race_record.hpp"

namespace kestrova {

// What a saved race file holds: its whole records in file order (record n at index n - 1) and
// what is odd about it.
struct RaceFileContents {
    std::vector<SavedRaceRecord> records;
    // Bytes after the last whole record: a record cut short (the length is not a multiple of 84).
    std::uintmax_t incompleteBytes = 0;
    // More records than a race number can address: only the first kMostRaceNumber were read.
    bool tooManyRecords = false;

    // True when writing into the file could overwrite or shift something the list does not show.
    bool ReadOnly() const { return incompleteBytes > 0 || tooManyRecords; }
};

enum class RaceFileStatus { Read, Missing, Unreadable };

struct RaceFileRead {
    RaceFileStatus status = RaceFileStatus::Missing;
    RaceFileContents contents;  // when Read
    std::string reason;         // when Unreadable: why
};

// Reads a whole saved race file under a shared advisory lock, so that no other copy of the
// program writes it meanwhile. Nothing is ever written.
RaceFileRead ReadRaceFile(const std::filesystem::path& path);

// Creates an empty saved race file; an existing file is an error, never emptied. Returns the
// reason when it failed.
std::optional<std::string> CreateRaceFile(const std::filesystem::path& path);

// What a window read of a file and so expects it still to hold when it writes a race: the
// file's length for a race that extends it, or the bytes of the record a race replaces.
struct RaceFileExpectation {
    std::uintmax_t length = 0;
    std::optional<RecordBytes> replaced;
};

enum class RaceWriteStatus { Written, Changed, Failed };

struct RaceWrite {
    RaceWriteStatus status = RaceWriteStatus::Failed;
    std::string reason;  // when Failed: why
};

// Writes one record at its position raceNumber: exactly its 84 bytes, replacing a record inside
// the file or appending one right after the last, then flushes them to the disk. The file is
// locked against other programs meanwhile (an advisory lock, as ReadRaceFile takes), and written
// only while it still is what the caller expects; otherwise nothing is written and the status is
// Changed. A failed write leaves the file as it was before.
RaceWrite WriteRaceRecord(const std::filesystem::path& path, const SavedRaceRecord& record,
                          const RaceFileExpectation& expected);

}  // namespace kestrova
