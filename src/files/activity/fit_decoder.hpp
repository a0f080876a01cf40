#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

// The FIT binary format of watches: a file header (with ".FIT" and an optional header CRC), then
// definition and data messages, then a CRC over everything before it. This decoder checks the
// header, both CRCs and every message's bounds, and hands each data message to its caller; it
// reads nothing outside the bytes it is given and allocates only as the file's own size allows.

// The FIT CRC-16 (polynomial 0xA001, reflected) of the bytes, continuing from `crc`.
std::uint16_t FitCrc(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0);

// Whether the bytes start with a FIT file header (a size of 12 or more and ".FIT").
bool LooksLikeFit(std::span<const std::uint8_t> bytes);

// One field of a data message: its number, base type and size, and its value when it is a
// single integer of 1, 2, 4 or 8 bytes (in the byte order its definition gave).
struct FitValue {
    std::uint8_t field = 0;
    std::uint8_t baseType = 0;
    std::uint8_t size = 0;
    std::uint64_t raw = 0;
    bool integer = false;
};

// One data message: its global message number and its fields.
struct FitDataMessage {
    std::uint16_t global = 0;
    std::vector<FitValue> values;
    // The time a compressed-timestamp header gave the message (FIT seconds), if it had one.
    std::optional<std::uint32_t> headerTimestamp;

    // An unsigned field of 1, 2 or 4 bytes, nothing when it is missing or holds its type's
    // "invalid" value.
    std::optional<std::uint32_t> Unsigned(std::uint8_t field) const;
    // A signed 32-bit field (sint32), nothing when missing or invalid.
    std::optional<std::int32_t> Signed32(std::uint8_t field) const;
    // The message's timestamp (field 253), or the one its header gave.
    std::optional<std::uint32_t> Timestamp() const;
};

using FitMessageVisitor = std::function<void(const FitDataMessage&)>;

// Decodes a whole FIT file (the first, when several are chained) and calls `visit` for each data
// message in order. Returns an empty text when the file is sound, else what is wrong with it; a
// file whose CRC does not match is refused before any message is visited.
std::string DecodeFit(std::span<const std::uint8_t> bytes, const FitMessageVisitor& visit);

// FIT timestamps count seconds from 1989-12-31 00:00 UTC.
inline constexpr std::int64_t kFitEpochUnixSeconds = 631065600;

}  // namespace kestrova
