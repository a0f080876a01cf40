#include "files/saved_race_record.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <tuple>

#include "files/race_list.hpp"
#include "files/windows_1252.hpp"

namespace kestrova {
namespace {

// Race 1, 0:2:18.7 over 800 meters, "Pärnu €5" as comment, built byte by byte.
RecordBytes HandBuiltRecord() {
    RecordBytes bytes{};
    const unsigned char head[] = {
        0x01, 0x00,                        // race number 1
        0x00, 0x00, 0x00, 0x00,            // hours 0
        0x00, 0x00, 0x00, 0x40,            // minutes 2
        0x9a, 0x99, 0x95, 0x41,            // seconds 18.7
        0x00, 0x00, 0x48, 0x44,            // number 800
        ' ',  ' ',  ' ',  'X',  ' ', ' ',  // meters
        'P',  0xE4, 'r',  'n',  'u', ' ', 0x80, '5',
    };
    std::fill(bytes.begin(), bytes.end(), ' ');
    std::copy(std::begin(head), std::end(head), bytes.begin());
    return bytes;
}

SavedRaceRecord Race800() {
    SavedRaceRecord record;
    record.raceNumber = 1;
    record.minutes = 2.0F;
    record.seconds = 18.7F;
    record.number = 800.0F;
    record.units[3] = kUnitMark;
    SetComment(record, "Pärnu €5");
    return record;
}

TEST(SavedRaceRecord, EncodesTheLayoutByteForByte) {
    EXPECT_EQ(EncodeRecord(Race800()), HandBuiltRecord());
    const SavedRaceRecord decoded = DecodeRecord(HandBuiltRecord());
    EXPECT_EQ(decoded.raceNumber, 1);
    EXPECT_EQ(decoded.seconds, 18.7F);
    EXPECT_EQ(decoded.number, 800.0F);
    EXPECT_EQ(MarkedUnit(decoded), DistanceUnit::Meters);
    EXPECT_EQ(CommentText(decoded), "Pärnu €5" + std::string(52, ' '));
}

TEST(SavedRaceRecord, AnyEightyFourBytesRoundTripExactly) {
    std::mt19937 random(14);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 2000; ++i) {
        RecordBytes bytes{};
        for (unsigned char& b : bytes) {
            b = static_cast<unsigned char>(byte(random));
        }
        ASSERT_EQ(EncodeRecord(DecodeRecord(bytes)), bytes) << "record " << i;
    }
}

TEST(SavedRaceRecord, CommentsCutAtSixtyCharactersNotBytes) {
    SavedRaceRecord record;
    SetComment(record, std::string(70, 'a'));
    EXPECT_EQ(CommentText(record), std::string(60, 'a'));
    // 70 two-byte letters are still 60 characters, one byte each in the file.
    std::string accented;
    for (int i = 0; i < 70; ++i) {
        accented += "é";
    }
    SetComment(record, accented);
    EXPECT_EQ(Utf8Length(CommentText(record)), 60u);
    EXPECT_EQ(static_cast<unsigned char>(record.comment[59]), 0xE9);
}

TEST(Windows1252, ConvertsBothWays) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Zürich – 10 km", "Z\xFCrich \x96 10 km", "Zürich – 10 km"},
        {"€ŠšŽžŒœŸ", "\x80\x8A\x9A\x8E\x9E\x8C\x9C\x9F", "€ŠšŽžŒœŸ"},
        {"日本 ok", "?? ok", "?? ok"},      // not in the code page
        {"a\xC3(b\xFF", "a?(b?", "a?(b?"},  // malformed UTF-8 bytes
        {"ÿ", "\xFF", "ÿ"},
        {"\x81", "?", "?"},
    };
    for (const auto& [utf8, bytes, back] : cases) {
        EXPECT_EQ(Utf8ToWindows1252(utf8), bytes) << utf8;
        EXPECT_EQ(Windows1252ToUtf8(bytes), back) << utf8;
    }
    // Undefined and control bytes of foreign files read as "?" and blanks.
    EXPECT_EQ(Windows1252ToUtf8(std::string("\x81\x8D\x00\x1F\x7F", 5)), "??   ");
}

TEST(RaceList, FloatsInTheirShortestForm) {
    EXPECT_EQ(FloatText(18.7F), "18.7");
    EXPECT_EQ(FloatText(0.1F), "0.1");
    EXPECT_EQ(FloatText(800.0F), "800");
    EXPECT_EQ(FloatText(-0.0F), "0");
    EXPECT_EQ(FloatText(3.4028235e38F), "3.4028235E+38");
    EXPECT_EQ(FloatText(std::nanf("")), "NaN");
    EXPECT_EQ(FloatText(-INFINITY), "-Inf");
}

TEST(RaceList, LineColumns) {
    SavedRaceRecord record = Race800();
    SetComment(record, "");
    //                  1 3  6   10   15     22      30                      54 56
    EXPECT_EQ(RaceListLine(record, 0),
              "    1   0    2   18.7     800               X          " + std::string(15, ' '));
    SetComment(record, "fifteen letters");
    EXPECT_EQ(RaceListLine(record, 3).substr(0, 2), " 3");
    EXPECT_EQ(RaceListLine(record, 3).substr(55), "fifteen letters ");
    SetComment(record, "  Pärnu   ");
    EXPECT_EQ(RaceListLine(record, 0).substr(55), "Pärnu          ");
}

}  // namespace
}  // namespace kestrova
