#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyses/training_analysis.hpp"
#include "cli/cli_run.hpp"
#include "cli_test_support.hpp"
#include "files/settings_file.hpp"
#include "model/calculate.hpp"
#include "output/full_report.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::CallCli;
using test_support::ScratchDirectory;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

using test_support::CalculatedState;

// What "Text file of full report" would save after "Calculate".
std::string SavedReport(MainFormInputs form) {
    ModelState state = CalculatedState(form);
    return Joined(FullReportFileLines(state, form));
}

// What "Analyze" shows after "Calculate".
std::string WindowAnalysis(MainFormInputs form) {
    ModelState state = CalculatedState(form);
    LineBuffer window;
    RunTrainingAnalysis(state, kAnalysisWindowTarget, window);
    return window.Text();
}

TEST(ReportCommand, PrintsTheTextFileLinesWithoutSavingThem) {
    ScratchDirectory directory;
    const auto call = CallCli({"report"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, SavedReport(MainFormInputs{}));
    EXPECT_EQ(call.err, "");  // no "Analysis saved in": no file was saved
    EXPECT_FALSE(std::filesystem::exists(directory.Path() / "fulltext.txt"));
}

TEST(ReportCommand, NameAndSettingsFile) {
    ScratchDirectory directory;
    MainFormInputs form;
    SelectFemale(form);
    SelectFitBestTwo(form);
    form.agecomp = 1;
    const auto settings = directory.Write("runner.txt", SettingsText(form));
    const auto call =
        CallCli({"report", "--settings", settings.string(), "--name", "Ann Lee"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    form.txtname = "Ann Lee";
    EXPECT_EQ(call.out, SavedReport(form));
    EXPECT_NE(call.out.find("Fitting best two races.\n"), std::string::npos);
    EXPECT_NE(call.out.find("    Age =  35\n"), std::string::npos);
}

TEST(AnalysisCommand, PrintsTheWindowLines) {
    ScratchDirectory directory;
    MainFormInputs form;
    SetWeeklyVolume(form, 60);
    directory.Write(kSettingsFileName, SettingsText(form));
    const auto call = CallCli({"analysis"}, directory.Path());
    EXPECT_EQ(call.status, kExitPrinted);
    EXPECT_EQ(call.out, WindowAnalysis(form));
    EXPECT_EQ(call.out.rfind(" TRAINING AND SPECIALIZATION ANALYSIS:\n\n", 0), 0u);
    EXPECT_EQ(call.err, "");
}

}  // namespace
}  // namespace kestrova
