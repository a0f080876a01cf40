#include <gtest/gtest.h>

#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "model/calculate.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

// What the main window's canvas shows after "Calculate" with these inputs.
std::string WindowTable(MainFormInputs form) {
    ModelState state;
    ApplyStartUpValues(state);
    LineBuffer picture;
    RecordingNotifier ignored;
    Calculate(state, form, picture, ignored);
    return picture.Text();
}

TEST(TableCommand, WithoutASettingsFileUsesTheStartUpValues) {
    ScratchDirectory directory;
    const auto call = CallCli({"table"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, WindowTable(MainFormInputs{}));
    EXPECT_EQ(call.err, "");
}

TEST(TableCommand, ReadsTheDefaultOrTheNamedSettingsFile) {
    ScratchDirectory directory;
    MainFormInputs form;
    SelectEnglishOutput(form);
    SetComparisonLevel(form, 900);
    directory.Write(kSettingsFileName, SettingsText(form));
    EXPECT_EQ(CallCli({"table"}, directory.Path()).out, WindowTable(form));

    MainFormInputs other;
    SelectFemale(other);
    const auto named = directory.Write("runner.txt", SettingsText(other));
    const auto call = CallCli({"table", "--settings", named.string()}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, WindowTable(other));
}

TEST(TableCommand, MessagesGoToStandardErrorInOrderWithCaptions) {
    ScratchDirectory directory;
    MainFormInputs form;
    ClearRaceRows(form);
    form.rows[0].Check1 = 1;
    form.rows[0].Text2 = "1";
    form.rows[0].Text3 = "0";
    form.rows[0].Text4 = "400";
    form.rows[1].Check1 = 1;
    form.rows[1].Text3 = "55";
    form.rows[1].Text4 = "400";
    form.txtage = "old";
    directory.Write(kSettingsFileName, SettingsText(form));
    const auto call = CallCli({"table"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.err,
              "Non-numeric age entry\n"
              "Omitting    1:00   400 m because it is slower paced than a longer race.\n"
              "Questionable extrapolation: LONGEST RACE UNDER 1 KM - EXTRAPOLATION TO LONGER "
              "DISTANCES UNCERTAIN.\n");
}

TEST(TableCommand, ValidationStopExitsWithThree) {
    ScratchDirectory directory;
    MainFormInputs form;
    form.rows[2].Text4 = "";
    directory.Write(kSettingsFileName, SettingsText(form));
    const auto call = CallCli({"table"}, directory.Path());
    EXPECT_EQ(call.status, kExitRefused);
    EXPECT_EQ(call.out, "");
    EXPECT_EQ(call.err, "Bad distance entry in row # 3\n");
}

TEST(TableCommand, UsageAndFileErrorsExitWithTwo) {
    ScratchDirectory directory;
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"tabel"},
        {"table", "--settings"},
        {"table", "--settings", (directory.Path() / "missing.txt").string()},
        {"table", "--settings", directory.Path().string()},
        {"table", "--bogus"},
    };
    for (const auto& args : calls) {
        const auto call = CallCli(args, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile);
        EXPECT_EQ(call.out, "");
        EXPECT_EQ(std::count(call.err.begin(), call.err.end(), '\n'), 1) << call.err;
    }
}

TEST(TableCommand, HelpExplainsTheCommands) {
    ScratchDirectory directory;
    const auto call = CallCli({"--help"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_NE(call.out.find("kestrova-cli table [--settings FILE] [RUNNER] [--json]"),
              std::string::npos);
    EXPECT_NE(call.out.find("Exit status"), std::string::npos);
}

TEST(TableCommand, JsonGivesEveryRowAndTheCurve) {
    ScratchDirectory directory;
    const auto call = CallCli({"table", "--json"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_NE(call.out.find("{\"label\": \"400 m\", \"distanceMeters\": 400, "), std::string::npos);
    EXPECT_NE(call.out.find("\"label\": \"10000 m\""), std::string::npos);
    EXPECT_NE(call.out.find("\"aerobicPower\": "), std::string::npos);
    EXPECT_EQ(call.out.find("null"), std::string::npos);

    MainFormInputs form;
    SetComparisonLevel(form, 0);
    directory.Write(kSettingsFileName, SettingsText(form));
    const auto zero = CallCli({"table", "--json"}, directory.Path());
    EXPECT_NE(zero.out.find("\"comparisonSeconds\": null, \"speedPercent\": null"),
              std::string::npos);
    EXPECT_EQ(zero.err, std::string(kZeroComparisonLevelMessage) + "\n");
}

}  // namespace
}  // namespace kestrova
