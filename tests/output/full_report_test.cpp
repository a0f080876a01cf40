#include "output/full_report.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyses/training_analysis.hpp"
#include "model/calculate.hpp"
#include "model/number_text.hpp"
#include "model/record_curve.hpp"
#include "model/time_format.hpp"
#include "output/report_header.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using Lines = std::vector<std::string>;
using test_support::CalculatedState;
using test_support::SetRaceRow;

Lines Report(MainFormInputs& form, int destination) {
    ModelState state = CalculatedState(form);
    state.reportDestination = destination;
    LineBuffer sink;
    ProduceFullReport(state, form, sink);
    EXPECT_TRUE(sink.CurrentLine().empty());
    return sink.Lines();
}

// The start-up runner's report on paper, down to the first table rows.
TEST(FullReport, HeaderAndRaceListOfTheStartUpRunner) {
    MainFormInputs form;
    const Lines lines = Report(form, kReportToPrinter);
    const Lines expected = {
        "KESTROVA full report on Joe Runner (35 year old male):",
        "",
        "Weekly training distance = 20 miles = 32 km.",
        "Based on the following race performances:",
        "",
        "           58.3 for 400 m",
        "         2:19   for 800 m",
        "         5:02   for 1600 m",
        "        18:07   for 5 km",
        "        39:52   for 10 km",
        "",
        "Using age, sex, and training data in addition to races.",
        "Comparing to performance level 100    Age = open class",
        "",
        "   Distance       Time    Per mile   Per km    Per 400   Record   % Spd  P.Level",
        "",
        "     100 yd        11.5     3:23      2:06        50.5       9.0    78      68 ",
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
    // 17 lines above, 29 more rows, the analysis with its first empty line.
    EXPECT_EQ(lines.size(), expected.size() + 29 + 14);
    EXPECT_EQ(lines[16 + 29],
              "   marathon   3:25:08       7:49      4:52      1:57   2:06:05      61      71 ");
    EXPECT_EQ(lines[16 + 30], "");
    EXPECT_EQ(lines[16 + 31], " TRAINING AND SPECIALIZATION ANALYSIS:");
}

TEST(FullReport, RaceLinesForEveryUnitAndOnlyTickedRows) {
    MainFormInputs form;
    ClearRaceRows(form);
    SetRaceRow(form, 0, "0", "4", "30", "1", DistanceUnit::Miles);
    SetRaceRow(form, 1, "3", "05", "00", "26.2", DistanceUnit::Marathon);
    SetRaceRow(form, 2, "1", "25", "", "", DistanceUnit::HalfMarathon);
    SetRaceRow(form, 3, "0", "0", "60.5", "440", DistanceUnit::Yards);
    SetRaceRow(form, 4, "0", "40", "0", "10", DistanceUnit::Kilometers);
    form.rows[4].Check1 = 0;  // not ticked: left out, although it holds a race
    const Lines lines = Report(form, kReportToPrinter);
    const Lines races(lines.begin() + 5, lines.begin() + 9);
    const Lines expected = {
        "         4:30   for 1 mi",
        "      3:05:00   for marathon ",
        "      1:25:00   for half marathon ",
        "         1:00   for 440 yd",
    };
    EXPECT_EQ(races, expected);
    EXPECT_EQ(lines[9], "");
}

// The distance as typed, and no unit word when no unit is chosen.
TEST(FullReport, RaceLineTexts) {
    RaceRowInputs row;
    row.Text2 = "18";
    row.Text3 = "7";
    row.Text4 = "5.0";
    row.SelectUnit(DistanceUnit::Kilometers);
    EXPECT_EQ(ReportRaceLine(row), "        18:07   for 5.0 km");
    row.unitOption = {};
    EXPECT_EQ(ReportRaceLine(row), "        18:07   for 5.0");
}

// The age text follows the box as it is when the report is made, like the rows below it.
TEST(FullReport, FitLineAndAgeTextFollowTheBoxesNow) {
    MainFormInputs form;
    SelectFitBestTwo(form);
    form.txtage = "47";
    ModelState state = CalculatedState(form);
    form.agecomp = 1;  // ticked after Calculate
    state.reportDestination = kReportToPrinter;
    LineBuffer sink;
    ProduceFullReport(state, form, sink);
    EXPECT_EQ(sink.Lines()[11], "Fitting best two races.");
    EXPECT_EQ(sink.Lines()[12], "Comparing to performance level 100    Age =  47");

    MainFormInputs woman;
    SelectFemale(woman);
    SetComparisonLevel(woman, 955);
    woman.txtname = "Ann";
    const Lines lines = Report(woman, kReportToPrinter);
    EXPECT_EQ(lines[0], "KESTROVA full report on Ann (35 year old female):");
    EXPECT_EQ(lines[12], "Comparing to performance level 95.5    Age = open class");
}

// The comparison level moves the "Record" and "% Spd" columns but not the runner's level; at
// level 0 they are blank.
TEST(FullReport, ComparisonLevelMovesRecordAndSpeedOnly) {
    MainFormInputs form;
    const Lines full = Report(form, kReportToPrinter);
    SetComparisonLevel(form, 900);
    const Lines lower = Report(form, kReportToPrinter);
    SetComparisonLevel(form, 0);
    const Lines zero = Report(form, kReportToPrinter);
    for (std::size_t row = 16; row < 46; ++row) {
        SCOPED_TRACE(full[row]);
        EXPECT_EQ(full[row].substr(0, 54), lower[row].substr(0, 54));
        EXPECT_NE(full[row].substr(54, 21), lower[row].substr(54, 21));
        EXPECT_EQ(full[row].substr(75), lower[row].substr(75));
        EXPECT_EQ(zero[row].substr(54, 21), std::string(21, ' '));
        EXPECT_EQ(zero[row].size(), 79u);  // a two-digit level ends in column 79
    }
}

// Every row at its columns: label, time at 14, paces at 25, 35 and 45, the comparison time at
// 55, the percentages at 68 and 76.
TEST(FullReport, RowColumnsAndTheIndexFromThe5000mRow) {
    MainFormInputs form;
    SelectFitBestTwo(form);
    ModelState state = CalculatedState(form);
    state.specIndex = 0.0;
    state.reportDestination = kReportToPrinter;
    LineBuffer sink;
    ProduceFullReport(state, form, sink);
    const Lines& lines = sink.Lines();
    const std::string row5000 = lines[16 + 18];
    EXPECT_EQ(row5000.substr(0, 12), "     5000 m ");
    // The best-two fit runs through the 5 km race, so the report shows its time.
    EXPECT_EQ(row5000.substr(13, 10), FormatTime(18 * 60 + 7));
    EXPECT_EQ(row5000.substr(54, 10), FormatTime(TimeAtLevel(state, "m", 1.0, 5000.0, 1.0)));
    EXPECT_GT(state.specIndex, 1.0);  // set by the 5000 m row
    ASSERT_EQ(ReportDistances().size(), 30u);
    for (std::size_t i = 0; i < ReportDistances().size(); ++i) {
        const std::string& line = lines[16 + i];
        SCOPED_TRACE(line);
        EXPECT_EQ(line.substr(0, 12), ReportDistances()[i].label);
        EXPECT_EQ(line[12], ' ');
        EXPECT_EQ(line.size(), 79u);
        EXPECT_EQ(line.back(), ' ');
    }
}

TEST(FullReport, TextFileFormHasNoEmptyLines) {
    MainFormInputs form;
    const Lines paper = Report(form, kReportToPrinter);
    ModelState state = CalculatedState(form);
    const Lines file = FullReportFileLines(state, form);
    EXPECT_EQ(state.reportDestination, kReportToTextFile);
    ASSERT_EQ(file.size(), paper.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        EXPECT_EQ(file[i], paper[i].empty() ? " " : paper[i]);
    }
}

Lines AnalysisLines(ModelState state) {
    LineBuffer window;
    RunTrainingAnalysis(state, kAnalysisWindowTarget, window);
    return window.Lines();
}

// The analysis reads the curve alone: the output units of the last Calculate and a report printed
// in between change none of its lines.
TEST(FullReport, AnalysisIsTheSameAfterMetricOrEnglishRunsAndAfterTheReport) {
    MainFormInputs metricForm;
    SetWeeklyVolume(metricForm, 40);
    MainFormInputs englishForm = metricForm;
    SelectEnglishOutput(englishForm);
    const Lines metric = AnalysisLines(CalculatedState(metricForm));
    ModelState english = CalculatedState(englishForm);
    EXPECT_EQ(AnalysisLines(english), metric);
    LineBuffer report;
    ProduceFullReport(english, englishForm, report);
    EXPECT_EQ(AnalysisLines(english), metric);
}

}  // namespace
}  // namespace kestrova
