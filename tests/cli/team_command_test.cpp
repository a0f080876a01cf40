#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli/json_text.hpp"
#include "cli_test_support.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;
using Args = std::vector<std::string>;

// One generated runner: its CSV line and the same runner as kestrova-cli options.
struct Runner {
    std::string csv;
    Args options;
};

std::string Clock(int seconds) {
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    std::ostringstream text;
    if (h > 0) {
        text << h << ':' << (m < 10 ? "0" : "");
    }
    text << m << ':' << (s < 10 ? "0" : "") << s;
    return text.str();
}

// Runners of every kind: both sexes, ages 12 to 91, light and heavy training, one to three
// races, both fits, several levels, with and without age grading; some are refused by the model
// (a 5 km far too fast for the 10 km beside it is only omitted, an age of 3 is refused).
Runner MakeRunner(int i) {
    const std::string sex = i % 2 == 0 ? "m" : "f";
    const int age = i % 37 == 5 ? 3 : 12 + (i * 7) % 80;
    const int weeklyKm = (i * 13) % 200;
    const int weightKg = 45 + (i * 3) % 60;
    const int fiveKm = 900 + (i * 37) % 1200;
    const bool hasTen = i % 3 != 0;
    const int tenKm = fiveKm * 2 + 60 + (i * 11) % 200;
    const bool hasHalf = i % 4 == 1;
    const int half = tenKm * 2 + 300 + (i * 17) % 400;
    const std::string fit = i % 5 == 0 ? "best-two" : "all";
    const std::string level = std::to_string(70 + i % 36);
    const bool graded = i % 7 == 3;

    Runner r;
    r.csv = "Runner " + std::to_string(i) + "," + sex + "," + std::to_string(age) + "," +
            std::to_string(weeklyKm) + "," + std::to_string(weightKg) + "," + Clock(fiveKm) + "," +
            (hasTen ? Clock(tenKm) : "") + "," + (hasHalf ? Clock(half) : "") + "," + fit + "," +
            level + "," + (graded ? "1" : "") + "\n";
    r.options = {"--sex",       sex,
                 "--age",       std::to_string(age),
                 "--weekly-km", std::to_string(weeklyKm),
                 "--weight-kg", std::to_string(weightKg),
                 "--race",      "5km",
                 Clock(fiveKm)};
    if (hasTen) {
        r.options.insert(r.options.end(), {"--race", "10km", Clock(tenKm)});
    }
    if (hasHalf) {
        r.options.insert(r.options.end(), {"--race", "hmara", Clock(half)});
    }
    r.options.insert(r.options.end(), {"--fit", fit, "--level", level});
    if (graded) {
        r.options.push_back("--age-graded");
    }
    return r;
}

constexpr const char* kHeader =
    "name,sex,age,weekly_km,weight_kg,5km,10km,hmara,fit,level,age_graded\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The text after `"key": ` that follows `anchor` in `text`, up to the next comma or brace.
std::string FieldAfter(const std::string& text, const std::string& anchor, const std::string& key) {
    const std::size_t at = text.find(anchor);
    if (at == std::string::npos) {
        return "(no " + anchor + ")";
    }
    const std::size_t start = text.find("\"" + key + "\": ", at) + key.size() + 4;
    return text.substr(start, text.find_first_of(",}", start) - start);
}

// The analysis window's VO2 max and best distance, as the team's CSV gives them.
std::string AnalysisFigures(const std::string& analysis) {
    const std::string vo2Words = "VO2 max (ml/kg/min) = ";
    const std::size_t vo2 = analysis.find(vo2Words) + vo2Words.size();
    const std::size_t peak = analysis.find("(peak at ") + 9;
    auto trimmed = [](std::string s) {
        s.erase(0, s.find_first_not_of(' '));
        return s.substr(0, s.find_last_not_of(' ') + 1);
    };
    return trimmed(analysis.substr(vo2, analysis.find('\n', vo2) - vo2)) + "," +
           trimmed(analysis.substr(peak, analysis.find(" km)", peak) - peak));
}

TEST(TeamCommand, EveryRunnerGetsTheNumbersOfTableAndAnalysisAlone) {
    ScratchDirectory directory;
    std::string file = kHeader;
    std::vector<Runner> runners;
    for (int i = 0; i < 200; ++i) {
        runners.push_back(MakeRunner(i));
        file += runners.back().csv;
    }
    const auto path = directory.Write("team.csv", file).string();
    const Args distances = {"--distances", "1500m,5km,10000m"};
    const auto json =
        CallCli(Args{"team", path, "--json", distances[0], distances[1]}, directory.Path());
    const auto csv = CallCli(Args{"team", path, distances[0], distances[1]}, directory.Path());
    const std::vector<std::string> jsonLines = Lines(json.out);
    const std::vector<std::string> csvLines = Lines(csv.out);
    ASSERT_EQ(jsonLines.size(), 200U);
    ASSERT_EQ(csvLines.size(), 201U);
    int refused = 0;
    for (std::size_t i = 0; i < runners.size(); ++i) {
        Args args = {"table", "--json"};
        args.insert(args.end(), runners[i].options.begin(), runners[i].options.end());
        const auto alone = CallCli(args, directory.Path());
        const std::string& line = jsonLines[i];
        EXPECT_EQ(FieldAfter(line, "{", "name"), "\"Runner " + std::to_string(i) + "\"");
        if (alone.status != kExitPrinted) {
            ++refused;
            EXPECT_NE(line.find(JsonString(Lines(alone.err).back())), std::string::npos) << line;
            continue;
        }
        for (const char* meters : {"1500", "5000", "10000"}) {
            const std::string anchor = std::string("\"distanceMeters\": ") + meters + ",";
            for (const char* key : {"predictedSeconds", "performanceLevelPercent"}) {
                EXPECT_EQ(FieldAfter(line, anchor, key), FieldAfter(alone.out, anchor, key))
                    << "runner " << i << " at " << meters << " m, " << key;
            }
        }
        args[0] = "analysis";
        args.erase(args.begin() + 1);
        const std::string figures = AnalysisFigures(CallCli(args, directory.Path()).out);
        EXPECT_NE(csvLines[i + 1].find("," + figures + ","), std::string::npos)
            << csvLines[i + 1] << " against " << figures;
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, 20);
    EXPECT_EQ(json.status, kExitRefused);
    EXPECT_EQ(csv.status, kExitRefused);
}

TEST(TeamCommand, OneThreadAndFourGiveTheSameOutput) {
    ScratchDirectory directory;
    std::string file = kHeader;
    for (int i = 0; i < 300; ++i) {
        file += MakeRunner(i).csv;
    }
    const auto path = directory.Write("team.csv", file).string();
    for (const char* json : {"--json", "--distances"}) {
        Args one = {"team", path, "--threads", "1", json};
        Args four = {"team", path, "--threads", "4", json};
        if (std::string(json) == "--distances") {
            one.push_back("800m,3mi,mara");
            four.push_back("800m,3mi,mara");
        }
        const auto a = CallCli(one, directory.Path());
        const auto b = CallCli(four, directory.Path());
        EXPECT_EQ(a.out, b.out);
        EXPECT_EQ(a.status, b.status);
        EXPECT_EQ(Lines(a.out).size(), std::string(json) == "--json" ? 300U : 301U);
    }
}

TEST(TeamCommand, ARefusedRowReportsItsMessageAndTheOthersAreUnaffected) {
    ScratchDirectory directory;
    const std::string good = MakeRunner(1).csv + MakeRunner(2).csv;
    const auto clean = directory.Write("clean.csv", kHeader + good).string();
    const auto mixed =
        directory
            .Write("mixed.csv",
                   std::string(kHeader) + MakeRunner(1).csv + "Old,m,300,30,70,18:00,,,all,100,\n" +
                       "Wide,m,30,30,70,18:00,,,all,100,,extra\n" +
                       "Typo,m,30,30,70,18 min,,,all,100,\n" + "\n" + MakeRunner(2).csv)
            .string();
    const auto expected = Lines(CallCli({"team", clean}, directory.Path()).out);
    const auto call = CallCli({"team", mixed}, directory.Path());
    EXPECT_EQ(call.status, kExitRefused);
    const auto lines = Lines(call.out);
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0], expected[0]);
    EXPECT_EQ(lines[1], expected[1]);
    EXPECT_EQ(lines[2], "Old,,,,,,,,,,,The age in the Age box must be from 5 to 110 years.");
    EXPECT_EQ(lines[3], ",,,,,,,,,,,\"the line has 12 cells, the header 11 columns\"");
    EXPECT_EQ(lines[4],
              "Typo,,,,,,,,,,,\"5km needs a time as h:mm:ss, mm:ss or seconds, not "
              "'18 min'\"");
    EXPECT_EQ(lines[5], expected[2]);
}

TEST(TeamCommand, FilesThatCannotBeUsedGetAClearMessageAndStatus2) {
    ScratchDirectory directory;
    const std::string at = directory.Path().string() + "/";
    directory.Write("empty.csv", "");
    directory.Write("blank.csv", "\n  \n");
    directory.Write("header.csv", kHeader);
    directory.Write("binary.csv", std::string("\x7f"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10));
    directory.Write("unknown.csv", "name,shoe,5km\nA,42,18:00\n");
    directory.Write("twice.csv", "name,5km,5km\nA,18:00,18:00\n");
    directory.Write("noraces.csv", "name,age\nA,42\n");
    std::filesystem::create_directory(directory.Path() / "folder");
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"team", at + "empty.csv"},
         at + "empty.csv is empty: a team file starts with a header "
              "line such as name,sex,age,5km,10km"},
        {{"team", at + "blank.csv"},
         at + "blank.csv is empty: a team file starts with a header "
              "line such as name,sex,age,5km,10km"},
        {{"team", at + "header.csv"}, at + "header.csv has a header line but no runners"},
        {{"team", at + "binary.csv"},
         at + "binary.csv is not a team file (the header line is "
              "not text: a control byte (127) at byte 1)"},
        {{"team", at + "twice.csv"},
         at + "twice.csv is not a team file (the header names the column '5km' twice)"},
        {{"team", at + "noraces.csv"},
         at + "noraces.csv is not a team file (the header names no "
              "race column (such as 5km, 10km or hmara))"},
        {{"team", at + "folder"}, "cannot read the team file " + at + "folder (it is a directory)"},
        {{"team", at + "none.csv"},
         "cannot read the team file " + at + "none.csv (it does not exist)"},
        {{"team"}, "team needs a team file (or - for standard input)"},
        {{"team", "-"}, "there is no standard input to read the team from"},
        {{"team", at + "header.csv", "--threads", "0"},
         "--threads needs a whole number from 1 to 256, not '0'"},
        {{"team", at + "header.csv", "--distances", "5km,,10km"},
         "--distances: '' is not a distance such as 5km, 10000m, 3mi, 880yd, mara or hmara"},
    };
    for (const auto& [args, message] : cases) {
        const auto call = CallCli(args, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile) << message;
        EXPECT_EQ(call.out, "") << message;
        EXPECT_EQ(call.err, "kestrova-cli: " + message + "\n");
    }
    const auto unknown = CallCli({"team", at + "unknown.csv"}, directory.Path());
    EXPECT_EQ(unknown.status, kExitUsageOrFile);
    EXPECT_NE(unknown.err.find("unknown column 'shoe'"), std::string::npos) << unknown.err;
}

// A name a spreadsheet would run as a formula gets a leading apostrophe in the CSV output, inside
// its quotes; --json gives the name as it is.
TEST(TeamCommand, NamesThatLookLikeFormulasAreWrittenAsText) {
    ScratchDirectory directory;
    std::string file = "name,5km\n";
    const std::vector<std::string> names = {"=1+1", "+2", "-3", "@SUM(A1)",
                                            "\"=HYPERLINK(\"\"x\"\")\""};
    for (const std::string& name : names) {
        file += name + ",18:07\n";
    }
    const auto path = directory.Write("team.csv", file).string();
    const auto csv = Lines(CallCli({"team", path}, directory.Path()).out);
    const auto json = CallCli({"team", path, "--json"}, directory.Path()).out;
    ASSERT_EQ(csv.size(), 6U);
    const std::vector<std::string> starts = {"\"'=1+1\",", "\"'+2\",", "\"'-3\",", "\"'@SUM(A1)\",",
                                             "\"'=HYPERLINK(\"\"x\"\")\","};
    for (std::size_t i = 0; i < starts.size(); ++i) {
        EXPECT_EQ(csv[i + 1].rfind(starts[i], 0), 0U) << csv[i + 1];
    }
    EXPECT_NE(json.find("{\"name\": \"=1+1\","), std::string::npos) << json;
    EXPECT_NE(json.find("{\"name\": \"=HYPERLINK(\\\"x\\\")\","), std::string::npos) << json;
}

TEST(TeamCommand, ReadsStandardInputForADash) {
    ScratchDirectory directory;
    const std::string team = std::string("\xEF\xBB\xBF") + kHeader + MakeRunner(4).csv;
    const auto file = directory.Write("team.csv", team).string();
    std::istringstream input(team);
    const auto call = CallCli({"team", "-"}, directory.Path(), CliConsole{&input, false, {}});
    EXPECT_EQ(call.status, kExitPrinted) << call.err;
    EXPECT_EQ(call.out, CallCli({"team", file}, directory.Path()).out);
}

}  // namespace
}  // namespace kestrova
