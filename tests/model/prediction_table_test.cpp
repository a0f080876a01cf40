#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "form_builder.hpp"
#include "model/number_text.hpp"
#include "model/record_curve.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

using test_support::FormBuilder;
using test_support::ModelRun;

// The start-up races of the main window, as the table prints them.
const std::vector<std::string> kStartUpTable = {
    "   Distance       Time      Per mile     Per km      Per 400     Record     % Spd    P.Level",
    "",
    "     400 m          57.2      3:50        2:23          57.2        43.2      75        71 ",
    "     800 m        2:12        4:26        2:45        1:06        1:41        76        75 ",
    "    1500 m        4:35        4:55        3:04        1:13        3:26        75        77 ",
    "    1600 m        4:57        4:58        3:05        1:14        3:41        75        77 ",
    "    3000 m       10:11        5:28        3:24        1:21        7:21        72        77 ",
    "    3200 m       10:57        5:31        3:25        1:22        7:52        72        78 ",
    "    5000 m       18:07        5:50        3:37        1:27       12:40        70        78 ",
    "    8000 m       30:33        6:09        3:49        1:32       20:49        68        78 ",
    "   10000 m       39:07        6:18        3:55        1:34       26:23        67        77 ",
};

TEST(PredictionTable, StartUpRacesGiveTheKnownTable) {
    ModelRun run(MainFormInputs{});
    ASSERT_TRUE(run.Calculate().Completed());
    EXPECT_EQ(run.picture.Lines(), kStartUpTable);
    EXPECT_TRUE(run.picture.CurrentLine().empty());
    EXPECT_TRUE(run.notifier.Messages().empty());
    EXPECT_TRUE(run.form.analysisButtonsEnabled);
    EXPECT_TRUE(run.form.reportItemsEnabled);
}

TEST(PredictionTable, MetricRunKeepsThe800And5000Predictions) {
    ModelRun run(MainFormInputs{});
    run.Calculate();
    const auto& rows = run.result.rows;
    EXPECT_EQ(run.state.pred800, rows[1].prediction.raceTime);
    EXPECT_EQ(run.state.pred5000, rows[6].prediction.raceTime);
    EXPECT_DOUBLE_EQ(run.state.specIndex,
                     0.16 * rows[6].prediction.raceTime / rows[1].prediction.raceTime);
    EXPECT_EQ(run.state.curDist, 10000.0);
    EXPECT_EQ(run.state.perfLevel, rows[8].perfLevel);
}

// The index and the two predictions belong to the fitted curve, not to the output units: an
// English run sets them exactly as the metric run of the same races does.
TEST(PredictionTable, EnglishRunSetsTheCurvesIndexAsTheMetricRunDoes) {
    const auto form = [](bool english) {
        FormBuilder builder;
        builder.Race(0, "0", "5", "20", "1", DistanceUnit::Miles)
            .Race(1, "1", "30", "0", "", DistanceUnit::HalfMarathon);
        if (english) {
            builder.English();
        }
        return builder.Build();
    };
    ModelRun metric(form(false));
    ModelRun english(form(true));
    english.state.specIndex = 3.0;  // left by an earlier run
    ASSERT_TRUE(metric.Calculate().Completed());
    ASSERT_TRUE(english.Calculate().Completed());
    EXPECT_EQ(english.state.pred800, metric.state.pred800);
    EXPECT_EQ(english.state.pred5000, metric.state.pred5000);
    EXPECT_EQ(english.state.specIndex, metric.state.specIndex);
    // What the metric rows print is what the state keeps.
    EXPECT_EQ(metric.result.rows[1].prediction.raceTime, metric.state.pred800);
    EXPECT_EQ(metric.result.rows[6].prediction.raceTime, metric.state.pred5000);
    EXPECT_EQ(english.picture.Lines()[10].substr(0, 12), "  marathon  ");
    EXPECT_EQ(english.state.curDist, 42195.0);
}

TEST(PredictionTable, FullComparisonLevelShowsTheRecords) {
    ModelRun run(MainFormInputs{});
    run.Calculate();
    for (const PredictionRow& row : run.result.rows) {
        ModelState probe = run.state;
        const double record = TimeAtLevel(probe, "m", 1, row.distance, 1);
        EXPECT_DOUBLE_EQ(row.comparisonTime, record);
        EXPECT_DOUBLE_EQ(row.speedRatio, record / row.prediction.raceTime);
    }
}

TEST(PredictionTable, ComparisonLevelMovesRecordAndSpeedButNotTheLevel) {
    ModelRun full(MainFormInputs{});
    full.Calculate();
    MainFormInputs lower;
    SetComparisonLevel(lower, 800);
    ModelRun eighty(lower);
    eighty.Calculate();
    for (std::size_t i = 2; i < kStartUpTable.size(); ++i) {
        const std::string& a = full.picture.Lines()[i];
        const std::string& b = eighty.picture.Lines()[i];
        EXPECT_EQ(a.substr(0, 62), b.substr(0, 62));
        EXPECT_NE(a.substr(62, 25), b.substr(62, 25));
        EXPECT_EQ(a.substr(87), b.substr(87));
    }
}

TEST(PredictionTable, ComparisonLevelZeroLeavesTwoColumnsBlankWithOneMessage) {
    MainFormInputs form;
    SetComparisonLevel(form, 0);
    ModelRun run(form);
    ASSERT_TRUE(run.Calculate().Completed());
    EXPECT_THAT(run.Texts(), ::testing::ElementsAre(kZeroComparisonLevelMessage));
    for (std::size_t i = 2; i < run.picture.Lines().size(); ++i) {
        const std::string& line = run.picture.Lines()[i];
        EXPECT_EQ(line.substr(60, 27), std::string(27, ' ')) << line;
        EXPECT_EQ(line.find("nan"), std::string::npos);
        EXPECT_EQ(line.find("inf"), std::string::npos);
    }
}

TEST(PredictionTable, TinyComparisonLevelPrintsItsLargeSpeedPercentageInFull) {
    MainFormInputs form;
    SetComparisonLevel(form, 1);
    ModelRun run(form);
    ASSERT_TRUE(run.Calculate().Completed());
    const std::string& line = run.picture.Lines()[2];
    EXPECT_GT(std::stod(line.substr(77, 10)), 10000.0);
}

TEST(PredictionTable, AbsurdAgeNeverPrintsNotANumber) {
    for (const char* age : {"1e300", "-1e300", "1e-300"}) {
        ModelRun run(
            FormBuilder().Race(0, "0", "20", "0", "5", DistanceUnit::Kilometers).Age(age).Build());
        run.form.agecomp = 1;
        run.Calculate();
        for (const std::string& line : run.picture.Lines()) {
            EXPECT_EQ(line.find("nan"), std::string::npos) << age << line;
            EXPECT_EQ(line.find("inf"), std::string::npos) << age << line;
        }
    }
}

}  // namespace
}  // namespace kestrova
