#include "files/saved_race_record.hpp"

#include <algorithm>
#include <bit>

#include "files/windows_1252.hpp"

namespace kestrova {
namespace {

constexpr std::size_t kNumberOffset = 0;
constexpr std::size_t kFloatsOffset = 2;
constexpr std::size_t kUnitsOffset = 18;
constexpr std::size_t kCommentOffset = 24;

void PutLittleEndian(RecordBytes& bytes, std::size_t offset, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    }
}

std::uint32_t GetLittleEndian(const RecordBytes& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value |= std::uint32_t{bytes[offset + static_cast<std::size_t>(i)]} << (8 * i);
    }
    return value;
}

// The four floats in record order (const or not, as the record is).
template <typename Record>
auto Floats(Record& r) {
    return std::array{&r.hours, &r.minutes, &r.seconds, &r.number};
}

}  // namespace

std::array<char, kCommentBytes> SavedRaceRecord::BlankComment() {
    std::array<char, kCommentBytes> blanks{};
    blanks.fill(' ');
    return blanks;
}

RecordBytes EncodeRecord(const SavedRaceRecord& record) {
    RecordBytes bytes{};
    PutLittleEndian(bytes, kNumberOffset, std::bit_cast<std::uint16_t>(record.raceNumber), 2);
    std::size_t offset = kFloatsOffset;
    for (const float* value : Floats(record)) {
        PutLittleEndian(bytes, offset, std::bit_cast<std::uint32_t>(*value), 4);
        offset += 4;
    }
    std::copy(record.units.begin(), record.units.end(), bytes.begin() + kUnitsOffset);
    std::copy(record.comment.begin(), record.comment.end(), bytes.begin() + kCommentOffset);
    return bytes;
}

SavedRaceRecord DecodeRecord(const RecordBytes& bytes) {
    SavedRaceRecord record;
    record.raceNumber =
        std::bit_cast<std::int16_t>(static_cast<std::uint16_t>(GetLittleEndian(bytes, 0, 2)));
    std::size_t offset = kFloatsOffset;
    for (float* value : Floats(record)) {
        *value = std::bit_cast<float>(GetLittleEndian(bytes, offset, 4));
        offset += 4;
    }
    std::copy_n(bytes.begin() + kUnitsOffset, record.units.size(), record.units.begin());
    std::copy_n(bytes.begin() + kCommentOffset, record.comment.size(), record.comment.begin());
    return record;
}

void SetComment(SavedRaceRecord& record, std::string_view text) {
    const std::string bytes = Utf8ToWindows1252(text);
    record.comment = SavedRaceRecord::BlankComment();
    std::copy_n(bytes.begin(), std::min(bytes.size(), kCommentBytes), record.comment.begin());
}

std::string CommentText(const SavedRaceRecord& record) {
    return Windows1252ToUtf8(std::string_view(record.comment.data(), record.comment.size()));
}

std::string UnitText(const SavedRaceRecord& record, int unit) {
    return Windows1252ToUtf8(std::string_view(&record.units.at(static_cast<std::size_t>(unit)), 1));
}

std::optional<DistanceUnit> MarkedUnit(const SavedRaceRecord& record) {
    std::optional<DistanceUnit> unit;
    for (int i = 0; i < kDistanceUnitCount; ++i) {
        if (record.units[static_cast<std::size_t>(i)] == kUnitMark) {
            unit = DistanceUnitAt(i);
        }
    }
    return unit;
}

}  // namespace kestrova
