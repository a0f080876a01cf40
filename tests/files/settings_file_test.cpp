#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "support/device_files.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string JoinLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

using test_support::FileBytes;
using TemporaryDirectory = test_support::ScratchDirectory;

TEST(SettingsFile, StartUpValuesAreWrittenLineForLine) {
    const std::vector<std::string> lines = SplitCrLf(SettingsText(MainFormInputs{}));
    ASSERT_EQ(lines.size(), 66u);
    const std::vector<std::string> profile = {"True", "False", " 20 ", "35",   " 160 ", " 1000 ",
                                              " 0 ",  "False", "True", "True", "False"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 11), profile);
    const std::vector<std::string> row0 = {" 1 ",   "0",     "0",    "58.3",  "400",  "False",
                                           "False", "False", "True", "False", "False"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 11, lines.begin() + 22), row0);
    EXPECT_EQ(lines[12 + 11 * 4 + 3 - 1], "52");
    EXPECT_EQ(lines[12 + 11 * 4 + 7 - 1], "True");  // row 4: kilometers
}

TEST(SettingsFile, RoundTripRestoresEveryControl) {
    MainFormInputs saved;
    SelectFemale(saved);
    SetWeeklyVolume(saved, 45);
    saved.txtage = "52 years";
    SetWeight(saved, 131);
    SetComparisonLevel(saved, 875);
    saved.agecomp = 1;
    SelectFitBestTwo(saved);
    SelectEnglishOutput(saved);
    saved.rows[1].Check1 = 0;
    saved.rows[2].Text1 = "1:30";
    saved.rows[3].SelectUnit(DistanceUnit::HalfMarathon);
    saved.rows[4] = RaceRowInputs{};
    saved.rows[4].SelectUnit(DistanceUnit::Meters);

    MainFormInputs restored;
    EXPECT_EQ(ApplySettingsText(SettingsText(saved), restored), 66);
    // The seconds "02" and "07" come back in their plain number form, as numeric texts do.
    saved.rows[2].Text3 = "2";
    saved.rows[3].Text3 = "7";
    EXPECT_EQ(restored, saved);
    EXPECT_EQ(restored.txkg, "59.55");
    EXPECT_EQ(restored.Text5, "87.5");
    EXPECT_EQ(restored.txtkm, "72");
}

// Lines of the start-up file replaced (numbered from 0), and what the form reads from them.
TEST(SettingsFile, EachLineIsReadAsItsControlTakesIt) {
    using Edits = std::vector<std::pair<std::size_t, std::string>>;
    const struct {
        const char* what;
        Edits edits;
        std::size_t lines;
        std::function<void(const MainFormInputs&)> check;
    } cases[] = {
        {"numeric texts in plain form; a comma is part of the text, so no later line moves",
         {{3, "035.0"}, {14, " 58.30"}, {15, "1e3"}, {13, "3,5 km"}},
         66,
         [](const MainFormInputs& f) {
             EXPECT_EQ(
                 f.txtage + "|" + f.rows[0].Text3 + "|" + f.rows[0].Text4 + "|" + f.rows[0].Text2,
                 "35|58.3|1000|3,5 km");
             EXPECT_EQ(f.rows[1].Check1, 1);
             EXPECT_EQ(f.rows[0].unitOption, MainFormInputs{}.rows[0].unitOption);
         }},
        {"the same weight keeps its kg text",
         {},
         66,
         [](const MainFormInputs& f) { EXPECT_EQ(f.txkg, "72.7"); }},
        {"another weight shows its kg",
         {{4, " 161 "}},
         66,
         [](const MainFormInputs& f) { EXPECT_EQ(f.txkg + "|" + f.txlb, "73.18|161"); }},
        {"both sexes: the later line holds",
         {{0, "True"}, {1, "True"}},
         66,
         [](const MainFormInputs& f) { EXPECT_TRUE(!f.optmale && f.optfemale); }},
        {"neither sex",
         {{0, "False"}, {1, "false"}},
         66,
         [](const MainFormInputs& f) { EXPECT_TRUE(!f.optmale && !f.optfemale); }},
        {"numbers for options",
         {{0, " -1 "}, {1, "0"}},
         66,
         [](const MainFormInputs& f) { EXPECT_TRUE(f.optmale); }},
        {"a short file keeps the lines it has",
         {{3, "44"}, {11, " 0 "}},
         12,
         [](const MainFormInputs& f) {
             EXPECT_EQ(f.txtage, "44");
             EXPECT_EQ(f.rows[0].Check1, 0);
             EXPECT_EQ(f.rows[0].Text3, "58.3");
         }},
        // A control character inside a line reads as the blank it is written as, so a file read
        // and written back reads the same.
        {"control characters",
         {{3, "3\r5"}, {45, "18\r"}, {37, "x\ty"}},
         66,
         [](const MainFormInputs& f) {
             EXPECT_EQ(f.txtage, "3 5");
             EXPECT_EQ(f.rows[2].Text4, "x y");
             MainFormInputs reread;
             EXPECT_EQ(ApplySettingsText(SettingsText(f), reread), 66);
             EXPECT_EQ(reread, f);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> lines = SplitCrLf(SettingsText(MainFormInputs{}));
        for (const auto& [line, text] : c.edits) {
            lines[line] = text;
        }
        lines.resize(c.lines);
        MainFormInputs form;
        EXPECT_EQ(ApplySettingsText(JoinLf(lines), form), static_cast<int>(c.lines));
        c.check(form);
    }
}

TEST(SettingsFile, FirstRefusedValueStopsTheReading) {
    MainFormInputs saved;
    SelectFemale(saved);
    SetComparisonLevel(saved, 900);
    std::vector<std::string> lines = SplitCrLf(SettingsText(saved));
    const std::tuple<std::size_t, std::string, int> cases[] = {
        {2, " 200 ", 2}, {2, "-1", 2},    {4, " 29 ", 4}, {5, " 1051 ", 5}, {6, " 3 ", 6},
        {7, "maybe", 7}, {11, " 5 ", 11}, {0, "", 0},     {2, "twenty", 2}, {2, " 99999999 ", 2},
    };
    for (const auto& [line, value, applied] : cases) {
        std::vector<std::string> broken = lines;
        broken[line] = value;
        MainFormInputs form;
        EXPECT_EQ(ApplySettingsText(JoinLf(broken), form), applied) << line << value;
        if (applied >= 2) {
            EXPECT_TRUE(form.optfemale);
        }
        EXPECT_EQ(form.HScroll2, applied > 5 ? 900 : 1000);
        EXPECT_EQ(form.rows, MainFormInputs{}.rows);
    }
}

TEST(SettingsFile, EmptyRowTextsComeBackEmpty) {
    MainFormInputs saved;
    ClearRaceRows(saved);
    const std::vector<std::string> lines = SplitCrLf(SettingsText(saved));
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[15], "");
    MainFormInputs form;
    EXPECT_EQ(ApplySettingsText(SettingsText(saved), form), 66);
    EXPECT_EQ(form.rows, saved.rows);
}

TEST(SettingsFile, LineBreaksInsideATextNeverShiftLaterLines) {
    MainFormInputs saved;
    saved.txtage = "3\r\n5";
    MainFormInputs form;
    EXPECT_EQ(ApplySettingsText(SettingsText(saved), form), 66);
    EXPECT_EQ(form.txtage, "3  5");
    EXPECT_EQ(form.rows[4].Text4, "10");
    EXPECT_TRUE(form.rows[4].unitOption[2]);
}

TEST(SettingsFile, SaveAndLoadThroughAFile) {
    TemporaryDirectory directory;
    const std::filesystem::path path = directory.Path() / kSettingsFileName;
    MainFormInputs form;
    EXPECT_EQ(ReadSettingsFile(path, form).outcome, SettingsLoad::Missing);
    EXPECT_EQ(form, MainFormInputs{});

    SetWeeklyVolume(form, 70);
    EXPECT_FALSE(SaveSettingsFile(path, form).has_value());
    MainFormInputs loaded;
    EXPECT_EQ(ReadSettingsFile(path, loaded).outcome, SettingsLoad::Loaded);
    EXPECT_EQ(loaded.HScroll1, 70);
}

TEST(SettingsFile, SavingIntoPipesAndDevicesAndNotOverDirectories) {
    test_support::ExpectSpecialTargetsHandled(
        [](const std::filesystem::path& path) { return SaveSettingsFile(path, MainFormInputs{}); },
        SettingsText(MainFormInputs{}));
}

}  // namespace
}  // namespace kestrova
