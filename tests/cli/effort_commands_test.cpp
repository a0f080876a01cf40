#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "analyses/power_table.hpp"
#include "analyses/slope_table.hpp"
#include "analyses/treadmill_table.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "model/main_form_inputs.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

std::string PowerText(double weightKg, PaceUnit unit) {
    LineBuffer sink;
    ShowPowerTable(weightKg, unit, sink);
    return sink.Text();
}

TEST(PowerCommand, WeightFromTheWeightBarOrTheCommandLine) {
    ScratchDirectory directory;
    auto call = CallCli({"power"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, PowerText(72.7, PaceUnit::Mile));
    EXPECT_EQ(call.err, "");

    MainFormInputs form;
    SetWeight(form, 161);
    const auto settings = directory.Write("runner.txt", SettingsText(form));
    call = CallCli({"power", "--settings", settings.string(), "--metric"}, directory.Path());
    EXPECT_EQ(call.out, PowerText(73.18, PaceUnit::Kilometer));
    EXPECT_NE(call.out.find("  Values for a 161 pound (73.18 kilogram) person.\n"),
              std::string::npos);

    call =
        CallCli({"power", "--weight-kg", "60", "--settings", settings.string()}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_NE(call.out.find("  Values for a 132 pound (60 kilogram) person.\n"), std::string::npos);
    call = CallCli({"power", "--weight-kg", "60", "--settings", "missing.txt"}, directory.Path());
    EXPECT_EQ(call.status, kExitUsageOrFile);
}

// Each table prints what its window shows for the same settings.
TEST(EffortCommands, PrintWhatTheirWindowsShow) {
    ScratchDirectory directory;
    using Show = std::function<void(TextSink&)>;
    const std::pair<std::vector<std::string>, Show> cases[] = {
        {{"slopes"},
         [](TextSink& s) {
             ShowSlopeTable({2, 1, PaceUnit::Mile}, s);
         }},
        {{"slopes", "--range", "1", "--horizontal", "--metric"},
         [](TextSink& s) {
             ShowSlopeTable({1, 2, PaceUnit::Kilometer}, s);
         }},
        {{"slopes", "--range", "4"},
         [](TextSink& s) {
             ShowSlopeTable({4, 1, PaceUnit::Mile}, s);
         }},
        {{"treadmill"}, [](TextSink& s) { ShowTreadmillTable(PaceUnit::Mile, s); }},
        {{"treadmill", "--metric"},
         [](TextSink& s) { ShowTreadmillTable(PaceUnit::Kilometer, s); }},
    };
    for (const auto& [args, show] : cases) {
        LineBuffer sink;
        show(sink);
        const auto call = CallCli(args, directory.Path());
        EXPECT_EQ(call.status, kExitPrinted) << args.back();
        EXPECT_EQ(call.out, sink.Text()) << args.back();
    }
    // Paces of an hour or more are printed whole.
    const auto steep = CallCli({"slopes", "--range", "4"}, directory.Path());
    EXPECT_NE(steep.out.find("   48:47 1:07:52  \n"), std::string::npos);
    EXPECT_EQ(steep.out.find(" 07:52"), std::string::npos);
}

// One object per row, numbers in seconds, m/s and watts.
TEST(EffortCommands, JsonRows) {
    ScratchDirectory directory;
    auto call = CallCli({"power", "--json"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out.rfind("{\n  \"unit\": \"mile\", \"weightKg\": 72.7,\n  \"rows\": [\n", 0),
              0u);
    EXPECT_NE(call.out.find(
                  "    {\"paceSeconds\": 360.00000000000006, \"speedMetersPerSecond\": 4.4704, "),
              std::string::npos);

    call = CallCli({"slopes", "--json", "--range", "1"}, directory.Path());
    EXPECT_NE(call.out.find("\"grades\": [-0.06, "), std::string::npos);
    EXPECT_NE(call.out.find("    {\"levelPaceSeconds\": 420, "), std::string::npos);

    call = CallCli({"treadmill", "--json", "--metric"}, directory.Path());
    EXPECT_NE(call.out.find("\"unit\": \"kilometer\""), std::string::npos);
    EXPECT_NE(call.out.find("{\"beltSpeedShown\": 15, "), std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = call.out.find("{\"belt"); at != std::string::npos;
         at = call.out.find("{\"belt", at + 1)) {
        ++rows;
    }
    EXPECT_EQ(rows, 36u);
}

}  // namespace
}  // namespace kestrova
