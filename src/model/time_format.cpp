#include "model/time_format.hpp"

#include <array>
#include <charconv>
#include <cmath>

#include "model/number_text.hpp"

namespace kestrova {
namespace {

constexpr double kShortFormLimit = 59.95;
constexpr double kTenthsRounding = 0.0500011;
const std::string kUnreadableTime = "     --.- ";

std::string PadLeft(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

// How near a tenth's edge a value may come and still have its first decimal written directly.
constexpr double kTenthEdgeMargin = 1e-9;

// NumberText(v) cut after its first decimal (" 57.2", " 5.2", " .5"), for 0 < v < 100. It is
// written directly when v is more than a billionth of a tenth from a tenth's edge: v's 15
// significant digits cannot then round across the edge, so the number text begins with these
// characters. Nearer an edge (and outside that range) it is the whole number text.
std::string TextToFirstDecimal(double v) {
    const double tenths = v * 10.0;
    const double whole = std::floor(tenths);
    const double fraction = tenths - whole;
    if (!(v > 0.0 && v < 100.0) || !(fraction > kTenthEdgeMargin) ||
        !(fraction < 1.0 - kTenthEdgeMargin)) {
        return NumberText(v);
    }
    const int t = static_cast<int>(whole);
    std::string text = " ";
    if (t >= 100) {
        text += static_cast<char>('0' + t / 100);
    }
    if (t >= 10) {
        text += static_cast<char>('0' + (t / 10) % 10);
    }
    text += '.';
    text += static_cast<char>('0' + t % 10);
    return text;
}

// Below a minute: tenths of a second, rounded by truncating the number text after adding just
// over half a tenth.
std::string ShortForm(double x) {
    std::size_t keep = 5;
    if (x < 9.95) {
        keep = 4;
    }
    if (x < 0.95) {
        keep = 3;
    }
    std::string text = TextToFirstDecimal(x + kTenthsRounding).substr(0, keep);
    if (x < 0.95) {
        text = "0" + LastCharacters(text, 2);
    }
    text = "     " + text;
    if (x < 9.95) {
        text = " " + text;
    }
    return text;
}

// Appends the digits of a whole number from 0 to 99 (anything else as its number text without
// blanks).
void AppendTwoDigitNumber(std::string& text, double value) {
    if (!(value >= 0.0 && value < 100.0) || value != std::trunc(value)) {
        text += TrimBlanks(NumberText(value));
        return;
    }
    const int whole = static_cast<int>(value);
    if (whole >= 10) {
        text += static_cast<char>('0' + whole / 10);
    }
    text += static_cast<char>('0' + whole % 10);
}

// A minute and over: hours, minutes and seconds with carries that absorb the rounding of the
// divisions (120 s may come out as 1 minute and 60 seconds, which becomes 2:00).
std::string LongForm(double x) {
    const double h = x / 3600.0;
    double hours = std::trunc(h);
    const double m = (h - hours) * 60.0;
    double minutes = std::trunc(m);
    double secs = std::nearbyint((m - minutes) * 60.0);

    if (secs == 60) {
        secs = 0;
        minutes += 1;
    }
    if (minutes == 60) {
        minutes = 0;
        hours += 1;
    }

    // Up to three digits of hours fit the time's column; a thousand hours or more (a comparison
    // level near 0) are written in full and widen the text rather than lose their first digits.
    std::string text;
    text.reserve(16);
    if (hours > 0) {
        const std::string hoursNumber = NumberText(hours);
        text += hours >= 1000 ? hoursNumber.substr(hoursNumber.find_first_not_of(' '))
                              : LastCharacters(hoursNumber, 3);
        text += minutes < 10 ? ":0" : ":";
    }
    // After the carries minutes and seconds are whole numbers from 0 to 59, whose texts are
    // their digits (the last one or two characters of their sign-position texts).
    if (minutes > 0 || hours > 0) {
        AppendTwoDigitNumber(text, minutes);
        text += secs < 10 ? ":0" : ":";
    }
    AppendTwoDigitNumber(text, secs);
    text += "  ";
    return PadLeft(std::move(text), 10);
}

}  // namespace

std::string FormatTime(double seconds) {
    if (std::isnan(seconds) || std::isinf(seconds)) {
        return kUnreadableTime;
    }
    const double x = seconds < 0.01 ? 0.01 : seconds;
    return x < kShortFormLimit ? ShortForm(x) : LongForm(x);
}

std::string FormatNumber(double value, int width, int decimals) {
    std::string text;
    if (decimals >= 0 && decimals <= 4 && std::isfinite(value)) {
        std::array<char, 400> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
        text.assign(buffer.data(), result.ptr);
    }
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string LastCharacters(const std::string& text, std::size_t count) {
    return text.size() <= count ? text : text.substr(text.size() - count);
}

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string TrimTrailingBlanks(std::string_view text) {
    return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

}  // namespace kestrova
