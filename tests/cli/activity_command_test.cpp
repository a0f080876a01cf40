#include <gtest/gtest.h>

#include <string>

#include "cli_test_support.hpp"
#include "support/fit_file_builder.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

// 1300 s at 4 m/s from FIT time 1093000000 (2024-08-19 11:06:40 UTC), one session: 5200 m.
std::string FitRun() {
    return test_support::FitRun(1093000000, 1301, 4.0, 1300, 1300, 5200).Text();
}

TEST(ActivityCommand, PrintsTheActivityAndItsBestEfforts) {
    ScratchDirectory directory;
    directory.Write("run.fit", FitRun());
    const auto call = CallCli({"activity", "run.fit"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.err, "");
    EXPECT_EQ(call.out,
              "Activity file: run.fit (FIT)\n"
              "Date:          2024-08-19 11:06 UTC\n"
              "Distance:      5.20 km (3.23 miles)\n"
              "Elapsed time:  21:40.0\n"
              "Moving time:   21:40.0\n"
              "Best efforts:\n"
              "  Distance            Time    Pace/km   From km\n"
              "  400 m             1:40.0      4:10       0.00\n"
              "  800 m             3:20.0      4:10       0.00\n"
              "  1 km              4:10.0      4:10       0.00\n"
              "  1 mile            6:42.3      4:10       0.00\n"
              "  3 km             12:30.0      4:10       0.00\n"
              "  5 km             20:50.0      4:10       0.00\n");
}

TEST(ActivityCommand, JsonGivesTotalsAndEfforts) {
    ScratchDirectory directory;
    directory.Write("run.fit", FitRun());
    const auto call = CallCli({"activity", "run.fit", "--json"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_NE(call.out.find("\"distanceMeters\": 5200"), std::string::npos) << call.out;
    EXPECT_NE(call.out.find("\"startTime\": 1724065600"), std::string::npos) << call.out;
    EXPECT_NE(call.out.find("{\"distance\": \"5 km\", \"meters\": 5000, \"seconds\": 1250"),
              std::string::npos)
        << call.out;
}

TEST(ActivityCommand, RefusesFilesItCannotUse) {
    ScratchDirectory directory;
    std::string damaged = FitRun();
    damaged[100] = static_cast<char>(damaged[100] ^ 0x10);
    directory.Write("damaged.fit", damaged);
    directory.Write("notes.txt", "ran 5 km today");
    const struct {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"activity", "damaged.fit"},
         "damaged.fit: The FIT file is damaged: its CRC does not match its contents.\n"},
        {{"activity", "notes.txt"},
         "notes.txt: The file is not an activity file: a GPX, TCX or FIT file from a watch or a "
         "running app is needed.\n"},
        {{"activity", "missing.gpx"}, "missing.gpx: the file cannot be opened.\n"},
        {{"activity"}, "kestrova-cli: activity needs the name of a GPX, TCX or FIT file\n"},
    };
    for (const auto& c : cases) {
        const auto call = CallCli(c.args, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile);
        EXPECT_EQ(call.out, "");
        EXPECT_EQ(call.err, c.err);
    }
}

}  // namespace
}  // namespace kestrova
