#include <gtest/gtest.h>

#include "analyses/performance_table.hpp"
#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "model/calculate.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

// What the window shows after the main window's "Calculate" and the tables window's
// "Calculate" with these inputs: the caption, then the table's lines.
std::string WindowText(MainFormInputs form, const PerformanceTableRequest& request,
                       const std::string& sex) {
    ModelState state = test_support::CalculatedState(form);
    state.calculated = 1;
    state.sex = sex;
    state.timesByAgeSelected = request.kind == PerformanceTableKind::TimesByAge;
    RecordingNotifier notifier;
    const auto table = GeneratePerformanceTable(state, request, form, notifier);
    if (!table) {
        return "";
    }
    LineBuffer window;
    WritePerformanceTable(*table, window);
    return table->caption + "\n" + window.Text();
}

TEST(PerfTableCommand, PrintsTheCaptionAndTheTableOfEachKind) {
    using Kind = PerformanceTableKind;
    struct Case {
        std::vector<std::string> args;
        PerformanceTableRequest request;
        const char* sex;
    };
    const std::vector<Case> cases = {
        {{"--kind", "general"}, {Kind::General, "60", "5", "100"}, "m"},
        {{"--kind", "general", "--sex", "f", "--min", "80", "--interval", "2.5"},
         {Kind::General, "80", "2.5", "100"},
         "f"},
        {{"--kind", "age", "--min", "20", "--interval", "10", "--level", "85"},
         {Kind::TimesByAge, "20", "10", "85"},
         "m"},
        {{"--kind", "individual", "--min", "30", "--interval", "4", "--sex", "m"},
         {Kind::Individual, "30", "4", "100"},
         "m"},
    };
    ScratchDirectory directory;
    MainFormInputs form = test_support::SprintRunner();
    form.agecomp = 1;
    directory.Write(kSettingsFileName, SettingsText(form));
    for (const Case& c : cases) {
        std::vector<std::string> args = {"perftable"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto call = CallCli(args, directory.Path());
        EXPECT_EQ(call.status, kExitPrinted);
        EXPECT_EQ(call.err, "");
        EXPECT_EQ(call.out, WindowText(form, c.request, c.sex));
    }
    // The runner is graded for age: the general table says so.
    EXPECT_EQ(CallCli({"perftable", "--kind", "general"}, directory.Path()).out.substr(0, 35),
              "Performance Levels (Male Age 35)\n L");
}

TEST(PerfTableCommand, JsonHasTheCaptionColumnsAndEveryRow) {
    ScratchDirectory directory;
    const auto call = CallCli({"perftable", "--kind", "general", "--json"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    const std::string start =
        "{\n  \"caption\": \"Performance Levels (Open Male)\",\n  \"columns\": [60, 65, 70, 75, "
        "80, "
        "85, 90, 95, 100],\n  \"rows\": [\n    {\"label\": \"100 m\", \"meters\": 100, "
        "\"seconds\": [13.";
    EXPECT_EQ(call.out.substr(0, start.size()), start);
    EXPECT_NE(call.out.find("{\"label\": \"half mara\", \"meters\": 21097.5, "), std::string::npos);
    EXPECT_EQ(std::count(call.out.begin(), call.out.end(), '\n'), 30);
}

// The individual table fits nine runners of its own; the runner's prediction table stays as it
// was, also when the last Calculate printed English distances.
TEST(PerfTableCommand, IndividualTableLeavesThePredictionTableAsItWas) {
    for (const bool english : {false, true}) {
        MainFormInputs form = test_support::EnduranceRunner();
        if (english) {
            SelectEnglishOutput(form);
        }
        ModelState state = test_support::CalculatedState(form);
        state.calculated = 1;
        LineBuffer before;
        RecordingNotifier notifier;
        PrintPredictionTable(state, form, before, notifier);
        const auto table = GeneratePerformanceTable(
            state, {PerformanceTableKind::Individual, "35", "5", "100"}, form, notifier);
        ASSERT_TRUE(table);
        LineBuffer after;
        PrintPredictionTable(state, form, after, notifier);
        EXPECT_EQ(after.Text(), before.Text());
        EXPECT_TRUE(notifier.Messages().empty());
    }
}

TEST(PerfTableCommand, RefusedTableValuesExitWithThree) {
    ScratchDirectory directory;
    const auto zeroLevel =
        CallCli({"perftable", "--kind", "age", "--level", "0"}, directory.Path());
    EXPECT_EQ(zeroLevel.status, kExitRefused);
    EXPECT_EQ(zeroLevel.out, "");
    EXPECT_EQ(zeroLevel.err.substr(0, 46), "The level of \"Times by age for level\" must be ");
    // Numbers beyond any runner print no column of zeros.
    const auto huge =
        CallCli({"perftable", "--kind", "general", "--min", "1e308"}, directory.Path());
    EXPECT_EQ(huge.status, kExitRefused);
    EXPECT_EQ(huge.out, "");
    EXPECT_EQ(huge.err,
              "The Minimum and Interval take a column above 1000: every performance "
              "level must be at most 1000.\n");
}

}  // namespace
}  // namespace kestrova
