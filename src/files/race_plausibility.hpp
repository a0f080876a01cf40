#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/saved_race_record.hpp"

namespace kestrova {

// The largest values a race can have in a record: a race of up to 1000 hours, over up to ten
// million of its units (more than a thousand miles in yards or metres). A value other than 0
// smaller than kLeastValue is no race time or distance either, only what stray bytes read as.
inline constexpr double kMostHours = 1000.0;
inline constexpr double kMostMinutes = kMostHours * 60.0;
inline constexpr double kMostSeconds = kMostHours * 3600.0;
inline constexpr double kMostDistanceNumber = 1.0e7;
inline constexpr double kLeastValue = 1.0e-3;

// Why a record cannot be a race that was saved as record `position` (from 1), or nothing when it
// can: every number finite, not negative and within the ranges above (minutes under 60 unless a
// whole count), the race number its position, each unit mark an "X" or a blank with at most one
// "X", and a comment of printable characters.
std::optional<std::string> ImplausibleBecause(const SavedRaceRecord& record, int position);

// The verdict on the records of a file: which are damaged, and whether the file as a whole is
// no race file at all (more than half of its records damaged).
struct RaceFileVerdict {
    std::vector<std::optional<std::string>> damage;  // per record in file order: why damaged
    int damagedCount = 0;
    int firstDamaged = 0;  // the first damaged record (from 1), 0 when none

    bool Refused() const { return 2 * damagedCount > static_cast<int>(damage.size()); }
};

RaceFileVerdict JudgeRaceFile(const std::vector<SavedRaceRecord>& records);

}  // namespace kestrova
