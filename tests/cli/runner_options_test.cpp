#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;
using Args = std::vector<std::string>;

const Args kRaces = {"--race", "5km", "18:07", "--race", "10km", "38:30"};

// The start-up inputs with the two races of kRaces typed into the first rows.
MainFormInputs WithTwoRaces() {
    MainFormInputs form;
    ClearRaceRows(form);
    for (int i = 0; i < 2; ++i) {
        RaceRowInputs& row = form.rows[static_cast<std::size_t>(i)];
        row.Check1 = 1;
        row.Text1 = "0";
        row.Text4 = i == 0 ? "5" : "10";
        row.Text2 = i == 0 ? "18" : "38";
        row.Text3 = i == 0 ? "07" : "30";
        row.SelectUnit(DistanceUnit::Kilometers);
    }
    return form;
}

Args Concat(Args a, const Args& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    Args command;  // the command and its own options
    Args runner;   // runner options after kRaces
    std::function<void(MainFormInputs&)> change;
};

// Each runner option gives byte for byte what the same runner's settings file gives.
TEST(RunnerOptions, GiveWhatTheSameRunnersSettingsFileGives) {
    const std::vector<Case> cases = {
        {{"table"}, {}, [](MainFormInputs&) {}},
        {{"table"}, {"--age", "50"}, [](MainFormInputs& f) { f.txtage = "50"; }},
        {{"table"}, {"--sex", "f"}, SelectFemale},
        {{"table"}, {"--weekly-miles", "60"}, [](MainFormInputs& f) { SetWeeklyVolume(f, 60); }},
        {{"table"}, {"--weekly-km", "100"}, [](MainFormInputs& f) { SetWeeklyVolume(f, 62); }},
        {{"table"}, {"--fit", "best-two"}, SelectFitBestTwo},
        {{"table"}, {"--level", "90"}, [](MainFormInputs& f) { SetComparisonLevel(f, 900); }},
        {{"table"},
         {"--age-graded", "--age", "60"},
         [](MainFormInputs& f) {
             f.agecomp = 1;
             f.txtage = "60";
         }},
        {{"table"}, {"--english"}, SelectEnglishOutput},
        {{"power"}, {"--weight-lb", "128"}, [](MainFormInputs& f) { SetWeight(f, 128); }},
        {{"table", "--json"}, {"--weight-kg", "58"}, [](MainFormInputs& f) { SetWeight(f, 128); }},
        {{"analysis"},
         {"--sex", "f", "--age", "44", "--weekly-km", "50"},
         [](MainFormInputs& f) {
             SelectFemale(f);
             f.txtage = "44";
             SetWeeklyVolume(f, 31);
         }},
        {{"report", "--name", "Ann"},
         {"--level", "95"},
         [](MainFormInputs& f) { SetComparisonLevel(f, 950); }},
        {{"graph", "--json"}, {"--english"}, SelectEnglishOutput},
        {{"special", "--distance", "15"}, {"--fit", "best-two"}, SelectFitBestTwo},
        {{"perftable", "--kind", "individual"},
         {"--age", "30"},
         [](MainFormInputs& f) { f.txtage = "30"; }},
    };
    ScratchDirectory directory;
    for (const Case& c : cases) {
        MainFormInputs form = WithTwoRaces();
        c.change(form);
        const auto file = directory.Write("runner.txt", SettingsText(form));
        const auto byOptions =
            CallCli(Concat(Concat(c.command, kRaces), c.runner), directory.Path());
        const auto byFile =
            CallCli(Concat(c.command, {"--settings", file.string()}), directory.Path());
        const std::string what = c.command[0] + (c.runner.empty() ? "" : " " + c.runner[0]);
        EXPECT_EQ(byOptions.status, kExitPrinted) << what << ": " << byOptions.err;
        EXPECT_FALSE(byOptions.out.empty()) << what;
        EXPECT_EQ(byOptions.out, byFile.out) << what;
        EXPECT_EQ(byOptions.err, byFile.err) << what;
    }
}

TEST(RunnerOptions, OverrideTheSettingsFileAndRacesReplaceItsRows) {
    ScratchDirectory directory;
    MainFormInputs saved;
    SelectFemale(saved);
    saved.txtage = "61";
    directory.Write(kSettingsFileName, SettingsText(saved));

    // Without --race the settings file is read and the options change it.
    MainFormInputs expected = saved;
    SetComparisonLevel(expected, 800);
    const auto file = directory.Write("expected.txt", SettingsText(expected));
    EXPECT_EQ(CallCli({"table", "--level", "80"}, directory.Path()).out,
              CallCli({"table", "--settings", file.string()}, directory.Path()).out);

    // With --race and without --settings, kestini.txt is not read at all.
    const auto startUp = directory.Write("start_up.txt", SettingsText(WithTwoRaces()));
    EXPECT_EQ(CallCli(Concat({"table"}, kRaces), directory.Path()).out,
              CallCli({"table", "--settings", startUp.string()}, directory.Path()).out);

    // With both, the named file's runner runs the given races.
    MainFormInputs both = WithTwoRaces();
    SelectFemale(both);
    both.txtage = "61";
    const auto bothFile = directory.Write("both.txt", SettingsText(both));
    const auto named = directory.Path() / kSettingsFileName;
    EXPECT_EQ(
        CallCli(Concat({"table", "--settings", named.string()}, kRaces), directory.Path()).out,
        CallCli({"table", "--settings", bothFile.string()}, directory.Path()).out);
}

TEST(RunnerOptions, BadValuesAreNamedOnOneLineWithStatus2) {
    struct Bad {
        Args args;
        std::string message;
    };
    const std::vector<Bad> cases = {
        {{"--race", "5k", "18:07"},
         "--race needs a distance such as 5km, 10000m, 3mi, 880yd, mara or hmara, not '5k'"},
        {{"--race", "5km", "18m"}, "--race needs a time as h:mm:ss, mm:ss or seconds, not '18m'"},
        {{"--race", "5km"}, "--race needs DISTANCE TIME (try kestrova-cli --help)"},
        {{"--age", "old"}, "--age needs an age in years, not 'old'"},
        {{"--weekly-miles", "200"},
         "--weekly-miles needs a whole number of miles from 0 to 150, "
         "not '200'"},
        {{"--weight-kg", "200"}, "--weight-kg needs kilograms from 13.64 to 136.36, not '200'"},
        {{"--level", "110"}, "--level needs a level in per cent from 0 to 105, not '110'"},
        {{"--weekly-miles", "20", "--weekly-km", "30"},
         "--weekly-miles and --weekly-km cannot both be given"},
        {{"--weight-kg", "60", "--weight-lb", "130"},
         "--weight-kg and --weight-lb cannot both be given"},
        {{"--race", "5km", "18:00", "--race", "5km", "18:00", "--race", "5km", "18:00", "--race",
          "5km", "18:00", "--race", "5km", "18:00", "--race", "5km", "18:00"},
         "--race may be given at most 5 times, not 6"},
    };
    ScratchDirectory directory;
    for (const Bad& bad : cases) {
        const auto call = CallCli(Concat({"table"}, bad.args), directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile) << bad.message;
        EXPECT_EQ(call.out, "");
        EXPECT_EQ(call.err, "kestrova-cli: " + bad.message + "\n");
    }
}

TEST(RunnerOptions, TheModelsOwnRefusalsKeepStatus3AndTheWindowsText) {
    ScratchDirectory directory;
    const auto call =
        CallCli(Concat(Concat({"table"}, kRaces), {"--age", "300"}), directory.Path());
    EXPECT_EQ(call.status, kExitRefused);
    EXPECT_EQ(call.err, "The age in the Age box must be from 5 to 110 years.\n");
}

TEST(RunnerOptions, ACommandsOwnOptionOfTheSameNameKeepsItsMeaning) {
    ScratchDirectory directory;
    // power's --weight-kg is the table's weight as given, not rounded to the weight bar.
    EXPECT_EQ(CallCli({"power", "--weight-kg", "500", "--json"}, directory.Path()).status,
              kExitPrinted);
    EXPECT_NE(CallCli({"power", "--weight-kg", "58", "--json"}, directory.Path())
                  .out.find("\"weightKg\": 58,"),
              std::string::npos);
    // perftable's --level is the age table's level, above the comparison level's 105 %.
    EXPECT_EQ(
        CallCli(Concat({"perftable", "--kind", "age", "--level", "106"}, kRaces), directory.Path())
            .status,
        kExitPrinted);
}

}  // namespace
}  // namespace kestrova
