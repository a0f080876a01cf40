#include <gtest/gtest.h>

#include <string>

#include "cli_test_support.hpp"
#include "files/race_list.hpp"
#include "files/saved_race_record.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::FileBytes;
using test_support::ScratchDirectory;

std::string Bytes(const SavedRaceRecord& race) {
    const RecordBytes bytes = EncodeRecord(race);
    return std::string(bytes.begin(), bytes.end());
}

// Race 1: a half marathon with an accented comment; race 2: 5.5 mi without a unit mark.
std::string TwoRaces() {
    SavedRaceRecord half;
    half.raceNumber = 1;
    half.hours = 1.0F;
    half.minutes = 29.0F;
    half.seconds = 58.3F;
    half.units[5] = kUnitMark;
    SetComment(half, "Köln \"Halb\"");
    SavedRaceRecord plain;
    plain.raceNumber = 2;
    plain.minutes = 40.0F;
    plain.number = 5.5F;
    return Bytes(half) + Bytes(plain);
}

TEST(RacesCommand, PrintsTheHeadingAndTheListLines) {
    ScratchDirectory directory;
    directory.Write("runs.kst", TwoRaces());
    const auto call = CallCli({"races", "runs.kst"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.err, "");
    EXPECT_EQ(call.out,
              std::string(kRaceListHeading) + "\n" +
                  "    1   1   29   58.3       0                       X  Köln \"Halb\"    \n" +
                  "    2   0   40      0     5.5" + std::string(41, ' ') + "\n");
}

TEST(RacesCommand, JsonGivesTheFieldsAndTheDistance) {
    ScratchDirectory directory;
    directory.Write("runs.kst", TwoRaces());
    const auto call = CallCli({"races", "--json", "runs.kst"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    const std::string units = R"("unitMiles": " ", "unitYards": " ", "unitKilometers": " ", )"
                              R"("unitMeters": " ", "unitMarathon": " ", )";
    EXPECT_EQ(
        call.out,
        "{\n  \"races\": [\n"
        R"(    {"raceNumber": 1, "hours": 1, "minutes": 29, "seconds": 58.3, "number": 0, )" +
            units +
            R"("unitHalfMarathon": "X", "comment": "Köln \"Halb\"", )"
            R"("distanceMeters": 21097.5},)"
            "\n"
            R"(    {"raceNumber": 2, "hours": 0, "minutes": 40, "seconds": 0, "number": 5.5, )" +
            units +
            R"("unitHalfMarathon": " ", "comment": "", "distanceMeters": null})"
            "\n  ],\n  \"readOnly\": false\n}\n");
}

TEST(RacesCommand, ReportsOddFilesAndNeverWrites) {
    ScratchDirectory directory;
    const std::string cut = TwoRaces() + "abc";
    const auto path = directory.Write("cut.kst", cut);
    const auto call = CallCli({"races", "cut.kst"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_NE(call.err.find("ends with an incomplete record of 3 bytes"), std::string::npos);
    EXPECT_EQ(FileBytes(path), cut);

    const auto missing = CallCli({"races", "none.kst"}, directory.Path());
    EXPECT_EQ(missing.status, kExitUsageOrFile);
    EXPECT_EQ(missing.out, "");
    EXPECT_FALSE(std::filesystem::exists(directory.Path() / "none.kst"));
    EXPECT_EQ(CallCli({"races"}, directory.Path()).status, kExitUsageOrFile);
    EXPECT_EQ(CallCli({"races", "a.kst", "b.kst"}, directory.Path()).status, kExitUsageOrFile);
}

TEST(RacesCommand, RefusesAFileThatIsNoRaceFileAndMarksDamagedRecords) {
    ScratchDirectory directory;
    const std::string noise(3 * kRecordBytes, '\x01');
    const auto path = directory.Write("noise.kst", noise);
    const auto call = CallCli({"races", "noise.kst", "--json"}, directory.Path());
    EXPECT_EQ(call.status, kExitUsageOrFile);
    EXPECT_EQ(call.out, "");
    EXPECT_NE(call.err.find("does not look like a saved race file"), std::string::npos);
    EXPECT_EQ(FileBytes(path), noise);

    std::string damaged = TwoRaces();
    damaged[84 + 8] = '\xff';  // race 2's minutes: a float that is not a number
    damaged[84 + 9] = '\xff';
    directory.Write("runs.kst", damaged);
    const auto text = CallCli({"races", "runs.kst"}, directory.Path());
    EXPECT_EQ(text.status, kExitPrinted);
    EXPECT_NE(text.out.find("\n    2  damaged: minutes is not a finite number\n"),
              std::string::npos);
    const auto json = CallCli({"races", "runs.kst", "--json"}, directory.Path());
    EXPECT_NE(
        json.out.find(R"("distanceMeters": null, "damaged": "minutes is not a finite number"})"),
        std::string::npos);
}

}  // namespace
}  // namespace kestrova
