// FormatTime and FormatNumber on any double, width and count of decimals: never a "nan" or "inf"
// text, FormatTime always 10 characters from 0.95 s to just under 10 hours, FormatNumber at least
// `width` characters.
#include <cstdint>
#include <string>

#include "fuzz_support.hpp"
#include "model/time_format.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz_support::Require;
    fuzz_support::FuzzInput input(data, size);
    const double value = input.Double();
    const int width = input.IntIn(-5, 40);
    const int decimals = input.IntIn(-2, 6);

    const std::string time = kestrova::FormatTime(value);
    fuzz_support::RequireFiniteText(time, "FormatTime");
    // From 35999.5 s on the time shows as 10:00:00 or more, one character wider.
    if (value >= 0.95 && value < 35999.5) {
        Require(time.size() == 10, "FormatTime is not 10 characters wide", time);
    }
    const std::string number = kestrova::FormatNumber(value, width, decimals);
    fuzz_support::RequireFiniteText(number, "FormatNumber");
    Require(width <= 0 || number.size() >= static_cast<std::size_t>(width),
            "FormatNumber is narrower than its width", number);
    return 0;
}
