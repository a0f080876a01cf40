#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/control_characters.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"
#include "support/comma_locale.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

TEST(FormatTime, ShortAndLongFormsKeepTheirWidths) {
    const std::pair<double, std::string> cases[] = {
        {12.34, Blanks(6) + "12.3"},
        {5.55, Blanks(7) + "5.6"},
        {0.5, Blanks(6) + "0.5"},
        {59.94, Blanks(6) + "59.9"},
        {59.95, Blanks(4) + "1:00  "},
        {9.94, Blanks(7) + "9.9"},
        {9.96, Blanks(6) + "10.0"},
        {0.0, Blanks(6) + "0.0"},
        {-20.0, Blanks(6) + "0.0"},
        {60.0, Blanks(4) + "1:00  "},
        {75.0, Blanks(4) + "1:15  "},
        {120.0, Blanks(4) + "2:00  "},
        {1234.0, Blanks(3) + "20:34  "},
        {3605.0, " 1:00:05  "},
        {3725.0, " 1:02:05  "},
        {3599.6, " 1:00:00  "},
        {36000.0, " 10:00:00  "},
        // Three digits of hours fit the column; more are written in full and widen the text.
        {999.0 * 3600.0 + 59.0 * 60.0 + 59.0, "999:59:59  "},
        {1009.0 * 3600.0 + 28.0 * 60.0 + 17.0, "1009:28:17  "},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(FormatTime(seconds), text) << seconds;
    }
}

// Below a minute the time is the number text of x plus just over half a tenth, cut after its first
// decimal: also where x sits a hair from a tenth's edge, where the digits are written by the number
// text itself, and where the text has no decimals at all.
TEST(FormatTime, ShortFormIsTheNumberTextCutAfterItsFirstDecimal) {
    std::vector<double> values;
    for (int tenth = 11; tenth < 600; ++tenth) {
        if (tenth == 100) {
            continue;  // just under 9.95 the column keeps one character less ("10.")
        }
        const double edge = tenth / 10.0 - 0.0500011;
        for (const double offset : {-1e-9, -1e-12, 0.0, 1e-12, 1e-9, 0.0123, 0.077}) {
            values.push_back(edge + offset);
        }
    }
    for (const double x : values) {
        const std::string text = NumberText(x + 0.0500011);
        const std::size_t point = text.find('.');
        const std::string expected =
            TrimBlanks(point == std::string::npos ? text : text.substr(0, point + 2));
        EXPECT_EQ(TrimBlanks(FormatTime(x)), expected) << x;
    }
}

TEST(FormatTime, ValuesThatAreNotNumbersStayReadable) {
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        EXPECT_EQ(FormatTime(value), "     --.- ");
    }
    EXPECT_FALSE(test_support::ShowsANonNumber(FormatTime(1e300)));
}

TEST(FormatNumber, PadsToWidthWithFixedDecimals) {
    EXPECT_EQ(FormatNumber(3.14159, 8, 2), Blanks(4) + "3.14");
    EXPECT_EQ(FormatNumber(12345.6, 3, 1), "12345.6");
    EXPECT_EQ(FormatNumber(2.0, 4, 7), Blanks(4));
    EXPECT_EQ(FormatNumber(160 / 2.2, 2, 2), "72.73");
    EXPECT_EQ(FormatNumber(0.5, 1, 0), "0");
    EXPECT_EQ(FormatNumber(0.25, 1, 4), "0.2500");
}

TEST(NumberText, SignPositionAndPlainForms) {
    EXPECT_EQ(NumberText(0.55), " .55");
    EXPECT_EQ(NumberText(20), " 20");
    EXPECT_EQ(NumberText(-0.5), "-.5");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(NumberText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(NumberText(1e15), " 1E+15");
    EXPECT_EQ(NumberText(0.00001), " 1E-05");
    EXPECT_EQ(PlainNumberText(0.5), "0.5");
    EXPECT_EQ(PlainNumberText(58.30), "58.3");
    EXPECT_EQ(PlainNumberText(-2), "-2");
    EXPECT_EQ(PrintedNumber(95), " 95 ");
    EXPECT_EQ(PrintedNumber(-3), "-3 ");
}

// Whole numbers take a shorter way to their digits; it must write what the general form does.
TEST(NumberText, WholeNumbersAsTheGeneralFormWritesThem) {
    for (const double value : {1.0, 7.0, 10.0, 59.0, 60.0, 100.0, 3600.0, 65536.0, 1e14 - 1.0, 1e14,
                               999999999999999.0, 1e15, 1e15 + 2.0, 1e16, 1e300}) {
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, 15);
        std::string expected(buffer.data(), end.ptr);
        std::replace(expected.begin(), expected.end(), 'e', 'E');
        EXPECT_EQ(PlainNumberText(value), expected) << value;
        EXPECT_EQ(NumberText(-value), "-" + expected) << value;
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_FALSE(RoundHalfEven(std::nan("")).has_value());
    EXPECT_FALSE(RoundHalfEven(1e300).has_value());
    EXPECT_EQ(PrintedWholeNumber(94.5), " 94 ");
    EXPECT_EQ(PrintedWholeNumber(std::numeric_limits<double>::infinity()), " --- ");
}

// The longest numeric prefix, clamped to the range of doubles; inf, nan and hex are no numbers.
TEST(ReadAsNumber, TakesTheLongestNumericPrefix) {
    constexpr double kLargest = std::numeric_limits<double>::max();
    const std::vector<std::pair<const char*, double>> cases = {
        {"  58.3", 58.3},
        {"1:30", 1.0},
        {"", 0.0},
        {"abc", 0.0},
        {"-.5x", -0.5},
        {"1e3", 1000},
        {"1e", 1.0},
        {".", 0.0},
        {"0x10", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"+2.5", 2.5},
        {"1e999", kLargest},
        {"-1e999", -kLargest},
        {"1e-999", 0.0},
        {"0.0001e400", kLargest},
        {"1e99999999999999999999", kLargest},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadAsNumber(text), value) << text;
    }
    EXPECT_EQ(ReadWholeNumber(" 20 "), 20.0);
    EXPECT_EQ(ReadWholeNumber("02"), 2.0);
    EXPECT_FALSE(ReadWholeNumber("1:30").has_value());
    EXPECT_FALSE(ReadWholeNumber("").has_value());
}

// A text with characters after its number (or none at all) is noted with what it was read as;
// a clean number, with blanks around it or not, and an empty box are not.
TEST(SlipReadingNote, NotesWhatASlipWasReadAs) {
    const std::vector<std::pair<const char*, const char*>> slips = {
        {"2O", "read as 2"},      {"abc", "read as 0"},       {"1:30", "read as 1"},
        {"-.5x", "read as -0.5"}, {"1e", "read as 1"},        {"0x10", "read as 0"},
        {"5 km", "read as 5"},    {"58.3.1", "read as 58.3"}, {".", "read as 0"},
    };
    for (const auto& [text, note] : slips) {
        EXPECT_EQ(SlipReadingNote(text), note) << text;
    }
    for (const char* clean : {"2", " 18.07 ", "-0.05", "1e3", "", "   ", "02", "+4"}) {
        EXPECT_EQ(SlipReadingNote(clean), std::nullopt) << clean;
    }
}

TEST(ReadAsNumber, ReadsADecimalPointUnderACommaLocale) {
    const test_support::CommaLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << "no de_DE locale on this machine";
    }
    EXPECT_EQ(ReadAsNumber("58.3"), 58.3);
    EXPECT_EQ(ReadAsNumber("58,3"), 58.0);
    EXPECT_EQ(ReadWholeNumber("18.7"), 18.7);
}

TEST(ControlCharactersAsBlanks, ReplacesEachControlCharacterByOneBlank) {
    EXPECT_EQ(ControlCharactersAsBlanks("Ann\r\nRunner"), "Ann  Runner");
    EXPECT_EQ(ControlCharactersAsBlanks(std::string("A\0B\x1b[2J\x7f", 8)), "A B [2J ");
    EXPECT_EQ(ControlCharactersAsBlanks("Jos\xC3\xA9 \xC2\x9B!"), "Jos\xC3\xA9  !");
}

}  // namespace
}  // namespace kestrova
