#include "model/number_reader.hpp"

#include <cerrno>
#include <cstdlib>
#include <string>

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

double ConvertPrefix(std::string_view digits) {
    const std::string copy(digits);
    errno = 0;
    const double value = std::strtod(copy.c_str(), nullptr);
    // An exponent beyond the double range overflows to infinity; the box reads as the largest
    // finite value of that sign instead, so no infinity ever enters the model.
    if (errno == ERANGE && (value > 1.0 || value < -1.0)) {
        return value > 0 ? 1.7976931348623157e308 : -1.7976931348623157e308;
    }
    return value;
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

}  // namespace kestrova
