#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/activity/fit_decoder.hpp"

namespace kestrova::test_support {

// Writes small FIT files for tests: a 14-byte header with its CRC, definition and data messages
// (little-endian unless asked), and the file CRC.
class FitFileBuilder {
  public:
    struct Field {
        std::uint8_t number;
        std::uint8_t size;
        std::uint8_t baseType;
    };

    FitFileBuilder& Define(std::uint8_t local, std::uint16_t global, std::vector<Field> fields,
                           bool bigEndian = false) {
        data_.push_back(static_cast<std::uint8_t>(0x40 | local));
        data_.push_back(0);
        data_.push_back(bigEndian ? 1 : 0);
        Put(global, 2, bigEndian);
        data_.push_back(static_cast<std::uint8_t>(fields.size()));
        for (const Field& field : fields) {
            data_.insert(data_.end(), {field.number, field.size, field.baseType});
        }
        fields_[local] = std::move(fields);
        bigEndian_[local] = bigEndian;
        return *this;
    }

    // A data message with one value per field of the local type's definition.
    FitFileBuilder& Data(std::uint8_t local, const std::vector<std::uint64_t>& values) {
        data_.push_back(local);
        return Values(local, values);
    }

    // A data message with a compressed-timestamp header (local types 0-3).
    FitFileBuilder& Compressed(std::uint8_t local, std::uint8_t offset,
                               const std::vector<std::uint64_t>& values) {
        data_.push_back(static_cast<std::uint8_t>(0x80 | (local << 5) | (offset & 0x1F)));
        return Values(local, values);
    }

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> file = {14, 0x20, 0x08, 0x52};
        const auto size = static_cast<std::uint32_t>(data_.size());
        for (int i = 0; i < 4; ++i) {
            file.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
        }
        file.insert(file.end(), {'.', 'F', 'I', 'T'});
        const std::uint16_t headerCrc = FitCrc(file);
        file.push_back(static_cast<std::uint8_t>(headerCrc));
        file.push_back(static_cast<std::uint8_t>(headerCrc >> 8));
        file.insert(file.end(), data_.begin(), data_.end());
        const std::uint16_t crc = FitCrc(file);
        file.push_back(static_cast<std::uint8_t>(crc));
        file.push_back(static_cast<std::uint8_t>(crc >> 8));
        return file;
    }

    std::string Text() const {
        const std::vector<std::uint8_t> bytes = Bytes();
        return std::string(bytes.begin(), bytes.end());
    }

  private:
    FitFileBuilder& Values(std::uint8_t local, const std::vector<std::uint64_t>& values) {
        const std::vector<Field>& fields = fields_[local];
        for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i) {
            Put(values[i], fields[i].size, bigEndian_[local]);
        }
        return *this;
    }

    void Put(std::uint64_t value, std::size_t size, bool bigEndian) {
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t shift = 8 * (bigEndian ? size - 1 - i : i);
            data_.push_back(static_cast<std::uint8_t>(shift < 64 ? value >> shift : 0));
        }
    }

    std::vector<std::uint8_t> data_;
    std::vector<Field> fields_[16];
    bool bigEndian_[16] = {};
};

// FIT base types used by the tests.
inline constexpr std::uint8_t kFitEnum = 0x00;
inline constexpr std::uint8_t kFitUint16 = 0x84;
inline constexpr std::uint8_t kFitSint32 = 0x85;
inline constexpr std::uint8_t kFitUint32 = 0x86;

// A FIT activity: a file_id of type activity, `points` records one second apart from FIT time
// `start` at `metersPerSecond` (distance field in centimetres), and one session with the given
// totals (elapsed and timer time in seconds, distance in metres).
inline FitFileBuilder FitRun(std::uint32_t start, int points, double metersPerSecond,
                             double elapsed, double timer, double meters) {
    FitFileBuilder fit;
    fit.Define(0, 0, {{0, 1, kFitEnum}}).Data(0, {4});
    fit.Define(1, 20, {{253, 4, kFitUint32}, {5, 4, kFitUint32}});
    for (int i = 0; i < points; ++i) {
        fit.Data(1, {start + static_cast<std::uint32_t>(i),
                     static_cast<std::uint64_t>(i * metersPerSecond * 100.0 + 0.5)});
    }
    fit.Define(2, 18,
               {{253, 4, kFitUint32},
                {2, 4, kFitUint32},
                {7, 4, kFitUint32},
                {8, 4, kFitUint32},
                {9, 4, kFitUint32}});
    fit.Data(2, {start + static_cast<std::uint32_t>(points), start,
                 static_cast<std::uint64_t>(elapsed * 1000.0),
                 static_cast<std::uint64_t>(timer * 1000.0),
                 static_cast<std::uint64_t>(meters * 100.0)});
    return fit;
}

}  // namespace kestrova::test_support
