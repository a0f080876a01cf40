#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// Days from 1970-01-01 to the given date of the Gregorian calendar (negative before it).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);

// An ISO 8601 date and time as GPX and TCX files write it ("2026-05-03T08:15:30Z",
// "2026-05-03T10:15:30.250+02:00"; no zone reads as UTC), in seconds since 1970-01-01 00:00 UTC
// with its fraction. Nothing for any other text.
std::optional<double> ReadIsoTime(std::string_view text);

// "2026-05-03 08:15 UTC".
std::string UtcDateText(std::int64_t secondsSince1970);

}  // namespace kestrova
