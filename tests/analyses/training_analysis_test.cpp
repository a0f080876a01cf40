#include "analyses/training_analysis.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CalculatedState;
using Lines = std::vector<std::string>;

Lines AnalysisLines(ModelState& state, int target) {
    LineBuffer sink;
    RunTrainingAnalysis(state, target, sink);
    EXPECT_TRUE(sink.CurrentLine().empty());
    return sink.Lines();
}

// Joe Runner, the window's start-up races: 58.3 s 400 m to 39:52 10 km, 20 miles a week.
const Lines kStartUpAnalysis = {
    " TRAINING AND SPECIALIZATION ANALYSIS:",
    "",
    " Estimated fully aerobic training pace =      8:08   min/mi =     5:03   min/km.",
    " Estimated anaerobic threshhold pace =     6:32   min/mi =     4:04   min/km.",
    " Estimated VO2 max pace =     5:43   min/mi =     3:33   min/km.",
    " Estimated VO2 max (ml/kg/min) =  58 ",
    " Best performances likely with race distances 3 - 8k  (peak at  4.82  km).",
    "",
    " Performance level and specialty typically associated with training level of",
    " about 22 miles ( 35 km) per week.  Considering input training volume of 20 ",
    " miles per week, this suggests that this runner's potentially best distance",
    " is probably near the value shown above.",
    "",
};

TEST(TrainingAnalysis, WindowTextOfTheStartUpRunner) {
    MainFormInputs form;
    ModelState state = CalculatedState(form);
    EXPECT_EQ(AnalysisLines(state, kAnalysisWindowTarget), kStartUpAnalysis);
}

// The printer gets a first empty line; the text file gets it too, and every empty line there
// holds one blank.
TEST(TrainingAnalysis, ReportFormsForPrinterAndTextFile) {
    MainFormInputs form;
    ModelState state = CalculatedState(form);
    state.reportDestination = 0;
    Lines printer = AnalysisLines(state, kAnalysisReportTarget);
    ASSERT_EQ(printer.size(), kStartUpAnalysis.size() + 1);
    EXPECT_EQ(printer.front(), "");
    EXPECT_EQ(Lines(printer.begin() + 1, printer.end()), kStartUpAnalysis);

    state.reportDestination = 1;
    const Lines file = AnalysisLines(state, kAnalysisReportTarget);
    ASSERT_EQ(file.size(), printer.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(file[i], printer[i].empty() ? " " : printer[i]);
    }
}

TEST(TrainingAnalysis, BestDistanceTextsOfASprinterAndAMarathoner) {
    MainFormInputs sprinter = test_support::SprintRunner();
    ModelState state = CalculatedState(sprinter);
    Lines lines = AnalysisLines(state, kAnalysisWindowTarget);
    // Under 1 km the hundredths are printed as a number is: no zero before the point.
    EXPECT_EQ(lines[6],
              " Best performances likely with race distances 600 - 1500 m  (peak at  .78  km).");
    EXPECT_EQ(lines[11], " may be somewhat shorter than the value shown above.");

    MainFormInputs marathoner = test_support::EnduranceRunner();
    state = CalculatedState(marathoner);
    lines = AnalysisLines(state, kAnalysisWindowTarget);
    EXPECT_EQ(lines[6].substr(0, 58), " Best performances likely with race distances 10 k and up ");
    EXPECT_EQ(lines[9].substr(lines[9].size() - 4), " 90 ");
}

}  // namespace
}  // namespace kestrova
