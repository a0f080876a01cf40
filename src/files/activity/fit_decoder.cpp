#include "files/activity/fit_decoder.hpp"

#include <array>
#include <cstddef>

namespace kestrova {
namespace {

constexpr std::size_t kMinHeaderSize = 12;
constexpr std::size_t kLocalTypes = 16;
constexpr std::uint8_t kTimestampField = 253;

struct FieldDefinition {
    std::uint8_t field = 0;
    std::uint8_t size = 0;
    std::uint8_t baseType = 0;
};

struct Definition {
    bool defined = false;
    bool bigEndian = false;
    std::uint16_t global = 0;
    std::vector<FieldDefinition> fields;
    std::size_t developerBytes = 0;  // developer fields' bytes, skipped
};

// Size in bytes of one value of a base type (its low five bits), 0 for an unknown type.
std::size_t BaseTypeSize(std::uint8_t baseType) {
    static constexpr std::array<std::uint8_t, 17> kSizes = {1, 1, 1, 2, 2, 4, 4, 1, 4,
                                                            8, 1, 2, 4, 1, 8, 8, 8};
    const std::size_t index = baseType & 0x1F;
    return index < kSizes.size() ? kSizes[index] : 0;
}

bool IsIntegerType(std::uint8_t baseType) {
    const std::size_t index = baseType & 0x1F;
    // string (7), float32 (8), float64 (9) and byte (13) are not integers.
    return index != 7 && index != 8 && index != 9 && index != 13 && BaseTypeSize(baseType) != 0;
}

std::uint64_t ReadInteger(const std::uint8_t* at, std::size_t size, bool bigEndian) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t from = bigEndian ? i : size - 1 - i;
        value = (value << 8) | at[from];
    }
    return value;
}

// Reads the messages of the data area: a cursor over [at, end) that never moves past end.
class MessageReader {
  public:
    MessageReader(std::span<const std::uint8_t> data, const FitMessageVisitor& visit)
        : data_(data), visit_(visit) {}

    std::string ReadAll() {
        // Every pass takes at least one byte, so the loop ends within data_.size() passes.
        while (at_ < data_.size()) {
            const std::uint8_t header = data_[at_++];
            std::string problem;
            if ((header & 0x80) != 0) {
                problem = ReadCompressed(header);
            } else if ((header & 0x40) != 0) {
                problem = ReadDefinition(header);
            } else {
                problem = ReadData(header & 0x0F, std::nullopt);
            }
            if (!problem.empty()) {
                return problem;
            }
        }
        return {};
    }

  private:
    bool Has(std::size_t count) const { return count <= data_.size() - at_; }

    std::string ReadDefinition(std::uint8_t header) {
        if (!Has(5)) {
            return "A FIT message definition is cut off.";
        }
        Definition definition;
        definition.defined = true;
        const std::uint8_t architecture = data_[at_ + 1];
        if (architecture > 1) {
            return "A FIT message definition names an unknown byte order.";
        }
        definition.bigEndian = architecture == 1;
        definition.global =
            static_cast<std::uint16_t>(ReadInteger(&data_[at_ + 2], 2, definition.bigEndian));
        const std::size_t count = data_[at_ + 4];
        at_ += 5;
        if (!Has(count * 3)) {
            return "A FIT message definition is cut off.";
        }
        for (std::size_t i = 0; i < count; ++i, at_ += 3) {
            const FieldDefinition field{data_[at_], data_[at_ + 1], data_[at_ + 2]};
            const std::size_t unit = BaseTypeSize(field.baseType);
            if (field.size == 0 || unit == 0 || field.size % unit != 0) {
                return "A FIT message definition gives a field an impossible size.";
            }
            definition.fields.push_back(field);
        }
        if ((header & 0x20) != 0) {
            if (!Has(1)) {
                return "A FIT message definition is cut off.";
            }
            const std::size_t developerCount = data_[at_++];
            if (!Has(developerCount * 3)) {
                return "A FIT message definition is cut off.";
            }
            for (std::size_t i = 0; i < developerCount; ++i, at_ += 3) {
                definition.developerBytes += data_[at_ + 1];
            }
        }
        definitions_[header & 0x0F] = std::move(definition);
        return {};
    }

    std::string ReadCompressed(std::uint8_t header) {
        if (!lastTimestamp_) {
            return "A FIT message has a time offset before any time was given.";
        }
        const std::uint32_t offset = header & 0x1Fu;
        std::uint32_t timestamp = (*lastTimestamp_ & ~0x1Fu) + offset;
        if (offset < (*lastTimestamp_ & 0x1Fu)) {
            timestamp += 0x20u;  // the five bits rolled over
        }
        return ReadData((header >> 5) & 0x03, timestamp);
    }

    std::string ReadData(std::size_t local, std::optional<std::uint32_t> headerTimestamp) {
        const Definition& definition = definitions_[local];
        if (!definition.defined) {
            return "A FIT data message comes before its definition.";
        }
        FitDataMessage message;
        message.global = definition.global;
        message.headerTimestamp = headerTimestamp;
        for (const FieldDefinition& field : definition.fields) {
            if (!Has(field.size)) {
                return "A FIT data message is cut off.";
            }
            FitValue value{field.field, field.baseType, field.size, 0, false};
            if (IsIntegerType(field.baseType) && field.size == BaseTypeSize(field.baseType)) {
                value.raw = ReadInteger(&data_[at_], field.size, definition.bigEndian);
                value.integer = true;
            }
            message.values.push_back(value);
            at_ += field.size;
        }
        if (!Has(definition.developerBytes)) {
            return "A FIT data message is cut off.";
        }
        at_ += definition.developerBytes;
        if (headerTimestamp) {
            lastTimestamp_ = headerTimestamp;
        } else if (const std::optional<std::uint32_t> timestamp =
                       message.Unsigned(kTimestampField)) {
            lastTimestamp_ = timestamp;
        }
        visit_(message);
        return {};
    }

    std::span<const std::uint8_t> data_;
    const FitMessageVisitor& visit_;
    std::size_t at_ = 0;
    std::array<Definition, kLocalTypes> definitions_;
    std::optional<std::uint32_t> lastTimestamp_;
};

// The "invalid" value of an unsigned base type of this size: all ones, or 0 for the "z" types.
bool IsInvalidUnsigned(const FitValue& value) {
    const std::size_t index = value.baseType & 0x1F;
    const bool zeroInvalid = index == 10 || index == 11 || index == 12 || index == 16;
    if (zeroInvalid) {
        return value.raw == 0;
    }
    const std::uint64_t allOnes = value.size >= 8 ? ~0ull : (1ull << (value.size * 8)) - 1;
    return value.raw == allOnes;
}

}  // namespace

std::uint16_t FitCrc(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) != 0 ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u)
                                  : static_cast<std::uint16_t>(crc >> 1);
        }
    }
    return crc;
}

bool LooksLikeFit(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kMinHeaderSize && bytes[0] >= kMinHeaderSize && bytes[8] == '.' &&
           bytes[9] == 'F' && bytes[10] == 'I' && bytes[11] == 'T';
}

std::optional<std::uint32_t> FitDataMessage::Unsigned(std::uint8_t field) const {
    for (const FitValue& value : values) {
        if (value.field == field) {
            if (!value.integer || value.size > 4 || (value.baseType & 0x1F) == 1 ||
                (value.baseType & 0x1F) == 3 || (value.baseType & 0x1F) == 5 ||
                IsInvalidUnsigned(value)) {
                return std::nullopt;
            }
            return static_cast<std::uint32_t>(value.raw);
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> FitDataMessage::Signed32(std::uint8_t field) const {
    for (const FitValue& value : values) {
        if (value.field == field) {
            if (!value.integer || (value.baseType & 0x1F) != 5 || value.raw == 0x7FFFFFFFu) {
                return std::nullopt;
            }
            const auto bits = static_cast<std::uint32_t>(value.raw);
            return static_cast<std::int32_t>(bits);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> FitDataMessage::Timestamp() const {
    if (const std::optional<std::uint32_t> own = Unsigned(kTimestampField)) {
        return own;
    }
    return headerTimestamp;
}

std::string DecodeFit(std::span<const std::uint8_t> bytes, const FitMessageVisitor& visit) {
    if (!LooksLikeFit(bytes)) {
        return "The file does not start with a FIT file header.";
    }
    const std::size_t headerSize = bytes[0];
    if (bytes.size() < headerSize) {
        return "The FIT file is cut off inside its header.";
    }
    if (headerSize >= 14) {
        const auto stored = static_cast<std::uint16_t>(ReadInteger(&bytes[12], 2, false));
        if (stored != 0 && stored != FitCrc(bytes.first(12))) {
            return "The FIT file's header is damaged (its CRC does not match).";
        }
    }
    const std::uint64_t dataSize = ReadInteger(&bytes[4], 4, false);
    if (dataSize + 2 > bytes.size() - headerSize) {
        return "The FIT file is cut off: it ends before its data does.";
    }
    const std::size_t end = headerSize + static_cast<std::size_t>(dataSize);
    const auto stored = static_cast<std::uint16_t>(ReadInteger(&bytes[end], 2, false));
    if (stored != FitCrc(bytes.first(end))) {
        return "The FIT file is damaged: its CRC does not match its contents.";
    }
    MessageReader reader(bytes.subspan(headerSize, end - headerSize), visit);
    return reader.ReadAll();
}

}  // namespace kestrova
