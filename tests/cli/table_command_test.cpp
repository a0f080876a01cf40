#include <gtest/gtest.h>

#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "model/calculate.hpp"
#include "support/model_fixtures.hpp"

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
    test_support::SetRaceRow(form, 0, "", "1", "0", "400", DistanceUnit::Meters);
    test_support::SetRaceRow(form, 1, "", "", "55", "400", DistanceUnit::Meters);
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

// Inputs the model refuses stop every command before any output, with status 3 and the message.
TEST(CommandLine, RefusedInputsExitWithThreeBeforeAnyOutput) {
    ScratchDirectory directory;
    MainFormInputs form;
    form.rows[2].Text4 = "";
    directory.Write(kSettingsFileName, SettingsText(form));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"table"},
                                               {"report"},
                                               {"analysis"},
                                               {"graph", "--json"},
                                               {"perftable", "--kind", "general"},
                                               {"perftable", "--kind", "age"},
                                               {"perftable", "--kind", "individual"}}) {
        const auto call = CallCli(args, directory.Path());
        EXPECT_EQ(call.status, kExitRefused) << args.back();
        EXPECT_EQ(call.out, "") << args.back();
        EXPECT_EQ(call.err, "Bad distance entry in row # 3\n") << args.back();
    }
}

// A mistake on the command line exits with 2 and one line on standard error naming it, before
// anything is read, printed or written.
TEST(CommandLine, MistakesExitWithTwoAndOneLineNamingThem) {
    ScratchDirectory directory;
    const std::string missing = (directory.Path() / "missing.txt").string();
    const struct {
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {{}, "no command given"},
        {{"tabel"}, "unknown command 'tabel'"},
        {{"--json"}, "no command given before '--json'"},
        {{"table", "--settings"}, "--settings needs a value"},
        {{"report", "--name"}, "--name needs a value"},
        {{"table", "--settings", missing}, "cannot read the settings file " + missing},
        {{"table", "--bogus"}, "--bogus is not an option of the table command"},
        {{"report", "--json"}, "--json is not an option of the report command"},
        {{"analysis", "--name", "Ann"}, "--name is not an option of the analysis command"},
        {{"report", "analysis"}, "unknown argument 'analysis'"},
        {{"table", "--json", "--json"}, "--json is given more than once"},
        {{"table", "--settings", "a", "--settings", "b"}, "--settings is given more than once"},
        {{"perftable", "--kind", "general", "--min", "3", "--min", "4"},
         "--min is given more than once"},
        {{"graph", "--svg", "a.svg", "--svg", "b.svg"}, "--svg is given more than once"},
        {{"perftable"}, "--kind must be general, age or individual"},
        {{"perftable", "--kind", "levels"}, "--kind must be general, age or individual"},
        {{"perftable", "--kind", "general", "--sex", "x"}, "--sex takes m or f, not 'x'"},
        {{"perftable", "--kind", "individual", "--sex", "f"}, "always for the runner's own sex"},
        {{"slopes", "--range", "0"}, "--range needs 1, 2, 3 or 4, not '0'"},
        {{"slopes", "--range", "22"}, "--range needs 1, 2, 3 or 4, not '22'"},
        {{"slopes", "--range", ""}, "--range needs 1, 2, 3 or 4, not ''"},
        {{"special", "--unit", "furlong"}, "--unit needs mi, yd, km, m, mara or hmara"},
        {{"special", "--analysis", "uphill"}, "--analysis needs level, splits, slope or halfhill"},
        {{"graph"}, "graph needs exactly one of --svg FILE, --png FILE and --json"},
        {{"graph", "--json", "--png", "a.png"}, "exactly one of"},
        {{"graph", "--json", "--scale", "04"}, "--scale must be 1, 2, 3 or 4"},
        {{"graph", "--json", "--units", "furlongs"}, "--units must be metric or english"},
        {{"graph", "--png", "no-such-directory/graph.png"}, "cannot write the image"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const auto call = CallCli(c.args, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile);
        EXPECT_EQ(call.out, "");
        EXPECT_EQ(call.err.rfind("kestrova-cli: ", 0), 0u) << call.err;
        EXPECT_NE(call.err.find(c.reason), std::string::npos) << call.err;
        EXPECT_EQ(std::count(call.err.begin(), call.err.end(), '\n'), 1) << call.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(directory.Path()));
}

// A weight no runner has is refused before anything is printed.
TEST(CommandLine, PowerRefusesWeightsThatAreNotAPositiveNumber) {
    ScratchDirectory directory;
    for (const char* weight : {"0", "-5", "nan", "inf", "70kg", "", "1e9", "1e-300", "9.99"}) {
        const auto call = CallCli({"power", "--weight-kg", weight}, directory.Path());
        EXPECT_EQ(call.status, kExitUsageOrFile) << weight;
        EXPECT_EQ(call.err.rfind("kestrova-cli: --weight-kg needs a number of kilograms", 0), 0u);
    }
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
