#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/distance_unit.hpp"

namespace kestrova {

// One race of a saved race file: 84 bytes without padding, numbers little-endian on every host.
//   0  2  raceNumber   signed 16-bit, the record's position in the file (from 1)
//   2  4  hours        IEEE 32-bit float
//   6  4  minutes
//  10  4  seconds
//  14  4  number       the distance number
//  18  6  unit marks   "X" or a blank each: miles, yards, kilometers, meters, marathon, half
//  24 60  comment      Windows-1252, padded with blanks
inline constexpr std::size_t kRecordBytes = 84;
inline constexpr std::size_t kCommentBytes = 60;
inline constexpr char kUnitMark = 'X';
// The highest race number a record can hold, and so the most races a file can number.
inline constexpr int kMostRaceNumber = 32767;

struct SavedRaceRecord {
    std::int16_t raceNumber = 0;
    float hours = 0.0F;
    float minutes = 0.0F;
    float seconds = 0.0F;
    float number = 0.0F;
    // unitMiles, unitYards, unitKilometers, unitMeters, unitMarathon, unitHalfMarathon.
    std::array<char, kDistanceUnitCount> units = {' ', ' ', ' ', ' ', ' ', ' '};
    std::array<char, kCommentBytes> comment = BlankComment();

    static std::array<char, kCommentBytes> BlankComment();
};

using RecordBytes = std::array<unsigned char, kRecordBytes>;

// The record's 84 bytes as the file holds them.
RecordBytes EncodeRecord(const SavedRaceRecord& record);
// The record held by 84 bytes of a file. Every bit is kept, so encoding it again gives the same
// bytes, whatever they were.
SavedRaceRecord DecodeRecord(const RecordBytes& bytes);

// Stores UTF-8 text as the comment: converted to Windows-1252, cut to its first 60 characters and
// padded with blanks.
void SetComment(SavedRaceRecord& record, std::string_view text);
// The stored comment as UTF-8 text, padding included.
std::string CommentText(const SavedRaceRecord& record);
// Unit mark i (0 miles ... 5 half marathon) as UTF-8 text: "X", a blank, or what a foreign file
// holds there.
std::string UnitText(const SavedRaceRecord& record, int unit);

// The unit a race names: its last "X" in record order (selecting the marks one after another
// leaves the last one selected), or nothing when it has none.
std::optional<DistanceUnit> MarkedUnit(const SavedRaceRecord& record);

}  // namespace kestrova
