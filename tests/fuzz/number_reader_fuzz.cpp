// The number reader of every text box: any text reads as a finite number, 0 when it has no
// numeric prefix, and a text read as a whole number reads the same as its prefix.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "fuzz_support.hpp"
#include "model/number_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz_support::Require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = kestrova::ReadAsNumber(text);
    Require(std::isfinite(value), "ReadAsNumber gave a value that is not finite", text);
    if (!kestrova::StartsWithNumber(text)) {
        Require(value == 0.0, "a text without a number did not read as 0", text);
    }
    if (const auto whole = kestrova::ReadWholeNumber(text)) {
        Require(std::isfinite(*whole), "ReadWholeNumber gave a value that is not finite", text);
        Require(*whole == value, "ReadWholeNumber and ReadAsNumber differ", text);
    }
    return 0;
}
