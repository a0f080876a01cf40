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

// Reads a whole saved race file. Nothing is ever written.
RaceFileRead ReadRaceFile(const std::filesystem::path& path);

// Creates an empty saved race file; an existing file is an error, never emptied. Returns the
// reason when it failed.
std::optional<std::string> CreateRaceFile(const std::filesystem::path& path);

// Writes one record at its position raceNumber: exactly its 84 bytes, replacing a record inside
// the file or appending one right after the last, then flushes them to the disk. The file must
// exist and hold whole records only, and the race number must be 1 to one more than its records.
// Returns the reason when it failed; the file then holds what it held before.
std::optional<std::string> WriteRaceRecord(const std::filesystem::path& path,
                                           const SavedRaceRecord& record);

}  // namespace kestrova
