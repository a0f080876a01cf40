#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analyses/any_distance.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

// What the window shows for these inputs after "Calculate" on the start-up runner: Text4 and
// Text5 (when written) under their headings, then the table.
std::string WindowText(const SpecialFormInputs& inputs) {
    MainFormInputs form;
    ModelState state = test_support::CalculatedState(form);
    SpecialFormMemory memory;
    LineBuffer canvas;
    RecordingNotifier notifier;
    const SpecialResult result =
        CalculateSpecial(state, inputs, form.HScroll2 / 1000.0, memory, canvas, notifier);
    const std::string hill =
        result.Text5 ? SpecialHeadingText(SpecialLine::Hill) + "\n" + *result.Text5 + "\n" : "";
    return SpecialHeadingText(SpecialLine::Level) + "\n" + result.Text4 + "\n" + hill +
           canvas.Text();
}

TEST(SpecialCommand, PrintsWhatTheWindowShows) {
    ScratchDirectory directory;
    // The window's starting values: 5 km on the level, the prediction table's 5000 m time.
    auto call = CallCli({"special"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out.rfind("      Time     Per Mi", 0), 0u);
    EXPECT_NE(call.out.find("\n     18:07  "), std::string::npos);
    EXPECT_EQ(call.out, WindowText(SpecialFormInputs{}));
    EXPECT_EQ(call.err, "");

    SpecialFormInputs splits;
    splits.Text1 = "6.2";
    splits.unitChoice = {true, false, false, false, false, false};
    splits.analysisChoice[0] = true;
    splits.paceUnit = PaceUnit::Kilometer;
    call = CallCli(
        {"special", "--distance", "6.2", "--unit", "mi", "--analysis", "splits", "--km-paces"},
        directory.Path());
    EXPECT_EQ(call.out, WindowText(splits));
    EXPECT_NE(call.out.find(std::string(kUnevenSplitsHeader) + "\n\n"), std::string::npos);

    SpecialFormInputs hill;
    hill.analysisChoice[1] = true;
    hill.Text3 = "-0.03";
    call = CallCli({"special", "--analysis", "slope", "--slope", "-0.03"}, directory.Path());
    EXPECT_EQ(call.out, WindowText(hill));
    EXPECT_EQ(std::count(call.out.begin(), call.out.end(), '\n'), 4);

    // The marathon ignores the number.
    EXPECT_EQ(CallCli({"special", "--unit", "mara", "--distance", "3"}, directory.Path()).out,
              CallCli({"special", "--unit", "mara"}, directory.Path()).out);
}

TEST(SpecialCommand, JsonHasTheFigures) {
    ScratchDirectory directory;
    const auto call = CallCli({"special", "--unit", "hmara", "--analysis", "halfhill", "--json"},
                              directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    for (const char* field : {"\"distanceMeters\": 21097.5", "\"analysis\": \"halfhill\"",
                              "\"slope\": 0.05", "\"levelPercent\": ", "\"pFast\": ",
                              "\"firstLevelPacePerKmSeconds\": ", "\"stoppedAtRowLimit\": false"}) {
        EXPECT_NE(call.out.find(field), std::string::npos) << field;
    }
}

// Inputs the window refuses exit 3 with its message.
TEST(SpecialCommand, RefusesWithTheWindowsMessages) {
    ScratchDirectory directory;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"special", "--distance", "0"}, kSpecialDistanceMessage},
        {{"special", "--analysis", "halfhill", "--slope", "1.2"}, kSpecialSlopeMessage},
        {{"special", "--analysis", "slope", "--slope", "0.9"}, kSlopeBeyondModelMessage},
    };
    for (const auto& [args, message] : cases) {
        const auto call = CallCli(args, directory.Path());
        EXPECT_EQ(call.status, kExitRefused) << message;
        EXPECT_EQ(call.out, "");
        EXPECT_EQ(call.err.rfind(message, 0), 0u) << call.err;
    }
}

}  // namespace
}  // namespace kestrova
