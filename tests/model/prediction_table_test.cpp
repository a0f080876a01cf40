#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "form_builder.hpp"

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

struct KnownTable {
    const char* runner;
    MainFormInputs form;
    std::vector<std::string> rows;  // the nine rows under the heading
};

// Known tables beyond the start-up runner: a woman, an age-graded veteran (the Record column
// holds times for a 58-year-old) and a best-two fit in English distances, whose curve passes
// through both entered races (5:20 for the mile, 1:30:00 for the half marathon).
std::vector<KnownTable> KnownTables() {
    MainFormInputs veteran = FormBuilder()
                                 .Race(0, "0", "5", "45", "1", DistanceUnit::Miles)
                                 .Race(1, "0", "41", "10", "10", DistanceUnit::Kilometers)
                                 .Age("58")
                                 .Build();
    veteran.agecomp = 1;
    return {
        {"woman",
         FormBuilder()
             .Race(0, "0", "2", "18", "800", DistanceUnit::Meters)
             .Race(1, "0", "18", "40", "5", DistanceUnit::Kilometers)
             .Race(2, "1", "27", "30", "", DistanceUnit::HalfMarathon)
             .Female()
             .Age("29")
             .Build(),
         {
             "     400 m          59.2      3:58        2:28          59.2        47.5      80     "
             "   84 ",
             "     800 m        2:15        4:31        2:48        1:07        1:52        83     "
             "   87 ",
             "    1500 m        4:37        4:57        3:05        1:14        3:50        83     "
             "   88 ",
             "    1600 m        4:58        5:00        3:06        1:15        4:07        83     "
             "   88 ",
             "    3000 m       10:06        5:25        3:22        1:21        8:12        81     "
             "   88 ",
             "    3200 m       10:51        5:28        3:24        1:21        8:48        81     "
             "   88 ",
             "    5000 m       17:48        5:44        3:34        1:25       14:10        80     "
             "   88 ",
             "    8000 m       29:48        6:00        3:43        1:29       23:16        78     "
             "   88 ",
             "   10000 m       38:01        6:07        3:48        1:31       29:28        78     "
             "   87 ",
         }},
        {"veteran",
         veteran,
         {
             "     400 m        1:09        4:38        2:53        1:09          52.2      76     "
             "   75 ",
             "     800 m        2:34        5:11        3:13        1:17        2:03        80     "
             "   82 ",
             "    1500 m        5:12        5:35        3:28        1:23        4:11        80     "
             "   84 ",
             "    1600 m        5:36        5:38        3:30        1:24        4:30        80     "
             "   85 ",
             "    3000 m       11:12        6:00        3:44        1:30        8:55        80     "
             "   86 ",
             "    3200 m       12:01        6:03        3:45        1:30        9:33        79     "
             "   86 ",
             "    5000 m       19:32        6:17        3:54        1:34       15:18        78     "
             "   86 ",
             "    8000 m       32:23        6:31        4:03        1:37       25:03        77     "
             "   86 ",
             "   10000 m       41:10        6:38        4:07        1:39       31:39        77     "
             "   86 ",
         }},
        {"English best two",
         FormBuilder()
             .Race(0, "0", "5", "20", "1", DistanceUnit::Miles)
             .Race(1, "1", "30", "0", "", DistanceUnit::HalfMarathon)
             .English()
             .BestTwo()
             .Build(),
         {
             "     440 yd       1:05        4:21        2:42        1:05          43.5      67     "
             "   61 ",
             "     880 yd       2:26        4:53        3:02        1:13        1:41        69     "
             "   68 ",
             "       1 mi       5:20        5:20        3:19        1:20        3:43        70     "
             "   72 ",
             "       2 mi      11:31        5:45        3:35        1:26        7:55        69     "
             "   75 ",
             "       3 mi      17:56        5:59        3:43        1:29       12:13        68     "
             "   76 ",
             "       5 mi      31:11        6:14        3:52        1:33       20:57        67     "
             "   77 ",
             "      10 mi    1:06:36        6:40        4:08        1:39       43:44        66     "
             "   76 ",
             " half mara.    1:30:00        6:52        4:16        1:42       58:28        65     "
             "   75 ",
             "  marathon     3:20:27        7:39        4:45        1:54     2:06:05        63     "
             "   72 ",
         }},
    };
}

TEST(PredictionTable, KnownTablesOfOtherRunners) {
    for (const KnownTable& known : KnownTables()) {
        SCOPED_TRACE(known.runner);
        ModelRun run(known.form);
        ASSERT_TRUE(run.Calculate().Completed());
        EXPECT_TRUE(run.notifier.Messages().empty());
        ASSERT_EQ(run.picture.Lines().size(), 11u);
        EXPECT_EQ(
            std::vector<std::string>(run.picture.Lines().begin() + 2, run.picture.Lines().end()),
            known.rows);
    }
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
        EXPECT_FALSE(test_support::ShowsANonNumber(line)) << line;
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

}  // namespace
}  // namespace kestrova
