#include "model/number_reader.hpp"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

#include "model/number_text.hpp"

namespace kestrova {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// Length of the longest numeric prefix of text starting at pos, 0 when there is none.
std::size_t NumericPrefixLength(std::string_view text, std::size_t start) {
    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t integerStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digitCount = pos - integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        digitCount += fractionEnd - (pos + 1);
        pos = fractionEnd;
    }
    if (digitCount == 0) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            pos = exponentEnd;
        }
    }
    return pos - start;
}

// Whether a numeric prefix that the double range cannot hold is too large (rather than too small):
// the decimal exponent of its first significant digit is positive.
bool IsBeyondLargest(std::string_view digits) {
    const std::size_t exponentMark = digits.find_first_of("eE");
    const std::string_view mantissa = digits.substr(0, exponentMark);
    long long exponent = 0;
    if (exponentMark != std::string_view::npos) {
        std::string_view written = digits.substr(exponentMark + 1);
        const bool negative = !written.empty() && written.front() == '-';
        if (!written.empty() && (written.front() == '+' || written.front() == '-')) {
            written.remove_prefix(1);
        }
        constexpr long long kFarEnough = 1'000'000'000;
        const auto read =
            std::from_chars(written.data(), written.data() + written.size(), exponent);
        if (read.ec != std::errc{} || exponent > kFarEnough) {
            exponent = kFarEnough;
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false;
    }
    const long long position = first < point ? static_cast<long long>(point - first) - 1
                                             : -static_cast<long long>(first - point);
    return exponent + position > 0;
}

// The value of a numeric prefix, read with a decimal point whatever the locale of the process.
double ConvertPrefix(std::string_view digits) {
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // A number beyond the double range reads as the largest finite value of its sign, so no
    // infinity ever enters the model; one too small to hold reads as 0.
    if (read.ec == std::errc::result_out_of_range) {
        value = IsBeyondLargest(digits) ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double ReadAsNumber(std::string_view text) {
    const std::size_t start = SkipBlanks(text, 0);
    const std::size_t length = NumericPrefixLength(text, start);
    if (length == 0) {
        return 0.0;
    }
    return ConvertPrefix(text.substr(start, length));
}

bool StartsWithNumber(std::string_view text) {
    return NumericPrefixLength(text, SkipBlanks(text, 0)) > 0;
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    const std::size_t start = SkipBlanks(text, 0);
    const std::size_t length = NumericPrefixLength(text, start);
    if (length == 0 || SkipBlanks(text, start + length) != text.size()) {
        return std::nullopt;
    }
    return ConvertPrefix(text.substr(start, length));
}

std::optional<std::string> SlipReadingNote(std::string_view text) {
    if (SkipBlanks(text, 0) == text.size() || ReadWholeNumber(text)) {
        return std::nullopt;
    }
    return "read as " + PlainNumberText(ReadAsNumber(text));
}

std::string PlainFormOfNumberText(std::string_view text) {
    if (const std::optional<double> number = ReadWholeNumber(text)) {
        return PlainNumberText(*number);
    }
    return std::string(text);
}

}  // namespace kestrova
