#include "files/race_plausibility.hpp"

#include <algorithm>
#include <cmath>

#include "files/race_list.hpp"

namespace kestrova {
namespace {

// The five bytes Windows-1252 leaves without a character.
constexpr unsigned char kUndefinedBytes[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

std::optional<std::string> BadValue(const char* field, float value, double most) {
    const std::string named = std::string(field) + " ";
    if (!std::isfinite(value)) {
        return named + "is not a finite number";
    }
    const double v = value;
    if (v < 0.0) {
        return named + FloatText(value) + " is negative";
    }
    if (v != 0.0 && v < kLeastValue) {
        return named + FloatText(value) + " is too small for a race";
    }
    if (v > most) {
        return named + FloatText(value) + " is too large for a race";
    }
    return std::nullopt;
}

std::optional<std::string> BadNumbers(const SavedRaceRecord& record) {
    if (auto bad = BadValue("hours", record.hours, kMostHours)) {
        return bad;
    }
    if (auto bad = BadValue("minutes", record.minutes, kMostMinutes)) {
        return bad;
    }
    if (record.minutes >= 60.0F && record.minutes != std::floor(record.minutes)) {
        return "minutes " + FloatText(record.minutes) + " is neither under 60 nor a whole number";
    }
    if (auto bad = BadValue("seconds", record.seconds, kMostSeconds)) {
        return bad;
    }
    return BadValue("distance number", record.number, kMostDistanceNumber);
}

std::optional<std::string> BadUnits(const SavedRaceRecord& record) {
    const auto isMarkOrBlank = [](char c) { return c == kUnitMark || c == ' '; };
    if (!std::all_of(record.units.begin(), record.units.end(), isMarkOrBlank)) {
        return "a unit mark is neither \"X\" nor a blank";
    }
    if (std::count(record.units.begin(), record.units.end(), kUnitMark) > 1) {
        return "more than one unit is marked";
    }
    return std::nullopt;
}

bool IsPrintable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F &&
           std::find(std::begin(kUndefinedBytes), std::end(kUndefinedBytes), byte) ==
               std::end(kUndefinedBytes);
}

}  // namespace

std::optional<std::string> ImplausibleBecause(const SavedRaceRecord& record, int position) {
    if (record.raceNumber != position) {
        return "it holds race number " + std::to_string(record.raceNumber) + " in place of " +
               std::to_string(position);
    }
    if (auto bad = BadNumbers(record)) {
        return bad;
    }
    if (auto bad = BadUnits(record)) {
        return bad;
    }
    if (!std::all_of(record.comment.begin(), record.comment.end(), IsPrintable)) {
        return "the comment holds a character that is not printable";
    }
    return std::nullopt;
}

RaceFileVerdict JudgeRaceFile(const std::vector<SavedRaceRecord>& records) {
    RaceFileVerdict verdict;
    verdict.damage.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        verdict.damage.push_back(ImplausibleBecause(records[i], position));
        if (verdict.damage.back()) {
            ++verdict.damagedCount;
            verdict.firstDamaged = verdict.firstDamaged == 0 ? position : verdict.firstDamaged;
        }
    }
    return verdict;
}

}  // namespace kestrova
