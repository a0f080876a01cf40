#include "files/activity/utc_time.hpp"

#include <cstdio>

namespace kestrova {
namespace {

// Reads exactly `count` digits at `at`, moving past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (at + count > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    at += count;
    return value;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
    if (at < text.size() && text[at] == c) {
        ++at;
        return true;
    }
    return false;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The fraction of a second after the decimal point (at most nine digits are kept).
double Fraction(std::string_view text, std::size_t& at) {
    double fraction = 0.0;
    double scale = 0.1;
    for (int kept = 0; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        if (kept++ < 9) {
            fraction += (text[at] - '0') * scale;
            scale /= 10.0;
        }
    }
    return fraction;
}

// The zone after the time in seconds east of UTC: "Z", "+hh:mm", "-hhmm" or none.
std::optional<int> ZoneOffset(std::string_view text, std::size_t& at) {
    if (at == text.size()) {
        return 0;
    }
    if (Expect(text, at, 'Z')) {
        return 0;
    }
    const char sign = text[at];
    if (sign != '+' && sign != '-') {
        return std::nullopt;
    }
    ++at;
    const std::optional<int> hours = Digits(text, at, 2);
    Expect(text, at, ':');
    const std::optional<int> minutes = Digits(text, at, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    const int offset = *hours * 3600 + *minutes * 60;
    return sign == '+' ? offset : -offset;
}

}  // namespace

std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    // Counting years from March puts the leap day at the end of the year.
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::optional<double> ReadIsoTime(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\n' || text.front() == '\t' ||
                             text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\t' ||
                             text.back() == '\r')) {
        text.remove_suffix(1);
    }
    std::size_t at = 0;
    const std::optional<int> year = Digits(text, at, 4);
    const bool dash1 = Expect(text, at, '-');
    const std::optional<int> month = Digits(text, at, 2);
    const bool dash2 = Expect(text, at, '-');
    const std::optional<int> day = Digits(text, at, 2);
    const bool separator = Expect(text, at, 'T') || Expect(text, at, ' ');
    const std::optional<int> hour = Digits(text, at, 2);
    const bool colon1 = Expect(text, at, ':');
    const std::optional<int> minute = Digits(text, at, 2);
    const bool colon2 = Expect(text, at, ':');
    const std::optional<int> second = Digits(text, at, 2);
    if (!year || !month || !day || !hour || !minute || !second || !dash1 || !dash2 || !separator ||
        !colon1 || !colon2 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month) || *hour > 23 || *minute > 59 || *second > 60) {
        return std::nullopt;
    }
    const double fraction = Expect(text, at, '.') || Expect(text, at, ',') ? Fraction(text, at) : 0;
    const std::optional<int> zone = ZoneOffset(text, at);
    if (!zone || at != text.size()) {
        return std::nullopt;
    }
    const std::int64_t days = DaysFromCivil(*year, *month, *day);
    const std::int64_t seconds = days * 86400 + *hour * 3600 + *minute * 60 + *second - *zone;
    return static_cast<double>(seconds) + fraction;
}

std::string UtcDateText(std::int64_t secondsSince1970) {
    // Dates of years 0 to 9999 only; the readers never give others.
    const std::int64_t days =
        (secondsSince1970 >= 0 ? secondsSince1970 : secondsSince1970 - 86399) / 86400;
    const std::int64_t ofDay = secondsSince1970 - days * 86400;
    // civil_from_days, the inverse of DaysFromCivil.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char text[160];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld UTC",
                  static_cast<long long>(year), static_cast<long long>(month),
                  static_cast<long long>(day), static_cast<long long>(ofDay / 3600),
                  static_cast<long long>(ofDay % 3600 / 60));
    return text;
}

}  // namespace kestrova
