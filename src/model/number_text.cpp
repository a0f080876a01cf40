#include "model/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>

#include "model/number_reader.hpp"

namespace kestrova {
namespace {

constexpr int kSignificantDigits = 15;
// Whole numbers below 10^15 have at most 15 digits, which the general form writes in full
// without an exponent: their digits are those of the integer.
constexpr double kWholeDigitsLimit = 1e15;

// The magnitude's digits as printf's %.15G would write them ("0.55", "20", "1E-05").
std::string MagnitudeDigits(double magnitude) {
    if (!std::isfinite(magnitude)) {
        return std::isnan(magnitude) ? "NaN" : "Inf";
    }
    std::array<char, 64> buffer{};
    // Times' hours, minutes and seconds and the tables' rounded numbers are whole: integer
    // digits are written several times faster than the general form works them out.
    if (magnitude < kWholeDigitsLimit && magnitude == std::trunc(magnitude)) {
        const auto whole = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                         static_cast<long long>(magnitude));
        return {buffer.data(), whole.ptr};
    }
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::general, kSignificantDigits);
    std::string digits(buffer.data(), result.ptr);
    for (char& c : digits) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return digits;
}

}  // namespace

std::string NumberText(double value) {
    if (value == 0.0) {
        return " 0";
    }
    std::string digits = MagnitudeDigits(std::fabs(value));
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
        digits.erase(0, 1);
    }
    return (std::signbit(value) ? "-" : " ") + digits;
}

std::string PlainNumberText(double value) {
    if (value == 0.0) {
        return "0";
    }
    const std::string digits = MagnitudeDigits(std::fabs(value));
    return std::signbit(value) ? "-" + digits : digits;
}

std::string PrintedNumber(double value) {
    return NumberText(value) + " ";
}

std::optional<long long> RoundHalfEven(double value) {
    // Beyond 2^62 a double is far outside anything a table shows; refusing it keeps the
    // conversion below well defined.
    constexpr double kLimit = 4.6e18;
    if (!std::isfinite(value) || std::fabs(value) > kLimit) {
        return std::nullopt;
    }
    // nearbyint rounds in the default to-nearest mode, which sends halves to the even neighbour.
    return static_cast<long long>(std::nearbyint(value));
}

std::string PrintedWholeNumber(double value) {
    const std::optional<long long> rounded = RoundHalfEven(value);
    if (!rounded) {
        return " --- ";
    }
    return PrintedNumber(static_cast<double>(*rounded));
}

int IsNonZeroValue(double value) {
    return ReadAsNumber(NumberText(value)) != 0.0 ? 1 : 0;
}

}  // namespace kestrova
