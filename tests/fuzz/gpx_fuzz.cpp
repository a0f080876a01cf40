// The activity reader on any bytes, seeded with GPX tracks (corpus/gpx_fuzz).
#include <cstdint>
#include <string_view>

#include "activity_fuzz_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::CheckActivityReading({reinterpret_cast<const char*>(data), size});
    return 0;
}
