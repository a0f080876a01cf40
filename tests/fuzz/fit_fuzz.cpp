// The activity reader on any bytes, seeded with FIT files (corpus/fit_fuzz). Random changes
// almost never keep a FIT file's CRCs right, so each input is also read with its data size and
// both CRCs made to fit: that copy reaches the message decoder.
#include <cstdint>
#include <string>

#include "activity_fuzz_checks.hpp"
#include "files/activity/fit_decoder.hpp"

namespace {

void PutLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

std::uint16_t Crc(const std::string& bytes, std::size_t size) {
    return kestrova::FitCrc({reinterpret_cast<const std::uint8_t*>(bytes.data()), size});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz_support::CheckActivityReading(bytes);
    if (size < 16 || data[0] < 14 || data[0] + 2u > size) {
        return 0;
    }
    bytes[8] = '.';
    bytes[9] = 'F';
    bytes[10] = 'I';
    bytes[11] = 'T';
    const std::size_t header = data[0];
    PutLittleEndian(bytes, 4, static_cast<std::uint32_t>(size - header - 2), 4);
    PutLittleEndian(bytes, 12, Crc(bytes, 12), 2);
    PutLittleEndian(bytes, size - 2, Crc(bytes, size - 2), 2);
    fuzz_support::CheckActivityReading(bytes);
    return 0;
}
