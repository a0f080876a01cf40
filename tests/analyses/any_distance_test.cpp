#include "analyses/any_distance.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::ShowsANonNumber;

SpecialFormInputs Inputs(std::string number, DistanceUnit unit, int analysis = -1,
                         std::string slope = "0.05") {
    SpecialFormInputs inputs;
    inputs.Text1 = std::move(number);
    inputs.unitChoice = {};
    inputs.unitChoice[static_cast<std::size_t>(unit)] = true;
    if (analysis >= 0) {
        inputs.analysisChoice[static_cast<std::size_t>(analysis)] = true;
    }
    inputs.Text3 = std::move(slope);
    return inputs;
}

TEST(SpecialInputs, DistanceUnitsAndHorizontalGrade) {
    EXPECT_EQ(SpecialDistance(SpecialFormInputs{}), 5000);
    EXPECT_EQ(SpecialDistance(Inputs("7", DistanceUnit::Marathon)), 42195);
    EXPECT_EQ(SpecialDistance(Inputs("", DistanceUnit::HalfMarathon)), 21097.5);
    EXPECT_DOUBLE_EQ(SpecialDistance(Inputs("1760", DistanceUnit::Yards)), 1609.344);
    EXPECT_EQ(SpecialDistance(Inputs(" 800x", DistanceUnit::Meters)), 800);
    EXPECT_EQ(HorizontalGradeText("0.05"), "0.0501");
    EXPECT_EQ(HorizontalGradeText("-0.3"), "-0.3145");
    EXPECT_EQ(HorizontalGradeText("abc"), "0.0000");
    EXPECT_EQ(HorizontalGradeText("1"), "");
    EXPECT_EQ(HorizontalGradeText("-2"), "");
}

// The analysis is the first chosen of Option1, Option2, Option3; only the two tables have the
// pace unit switch; the slope counts only on the hills.
TEST(SpecialInputs, AnalysisChoice) {
    // The chosen option, the analysis, whether it has a table, the slope it uses.
    const std::tuple<int, SpecialAnalysis, bool, double> cases[] = {
        {-1, SpecialAnalysis::LevelOnly, false, 0.0},
        {3, SpecialAnalysis::LevelOnly, false, 0.0},
        {0, SpecialAnalysis::UnevenSplits, true, 0.0},
        {1, SpecialAnalysis::ConstantSlope, false, 0.07},
        {2, SpecialAnalysis::HalfUpHalfDown, true, 0.07},
    };
    for (const auto& [option, analysis, table, slope] : cases) {
        const SpecialFormInputs inputs = Inputs("5", DistanceUnit::Kilometers, option, "0.07");
        EXPECT_EQ(ChosenAnalysis(inputs), analysis) << option;
        EXPECT_EQ(HasStrategyTable(analysis), table) << option;
        EXPECT_EQ(SpecialSlope(inputs), slope) << option;
    }
}

// One calculation on the age-35 pacing curve.
struct SpecialRun {
    SpecialResult Calculate(const SpecialFormInputs& inputs, double level = 1.0) {
        return CalculateSpecial(state_, inputs, level, memory_, canvas_, notifier_);
    }

    ModelState state_ = test_support::PacingExampleCurve();
    SpecialFormMemory memory_;
    RecordingNotifier notifier_;
    LineBuffer canvas_;
};

class CalculateSpecialTest : public ::testing::Test, public SpecialRun {};

TEST_F(CalculateSpecialTest, LevelLineOfTheWorkedExample) {
    const SpecialResult result = Calculate(Inputs("10", DistanceUnit::Kilometers));
    ASSERT_TRUE(result.computed);
    EXPECT_EQ(
        result.Text4,
        "     37:03       5:58         3:42           1:29          26:23          71           "
        "80");
    EXPECT_FALSE(result.Text5.has_value());
    EXPECT_FALSE(result.paceSwitchShown);
    EXPECT_EQ(state_.curDist, 10000);
    EXPECT_NEAR(state_.perfLevel, 0.801, 0.0005);
    // "Level time only" ignores the slope entirely.
    EXPECT_EQ(Calculate(Inputs("10", DistanceUnit::Kilometers, 3, "junk 7")).Text4, result.Text4);

    // A table leaves curDist at half the distance; the hill line replaces Text5.
    EXPECT_TRUE(Calculate(Inputs("10", DistanceUnit::Kilometers, 0)).paceSwitchShown);
    EXPECT_EQ(canvas_.Lines().front(), kUnevenSplitsHeader);
    EXPECT_EQ(state_.curDist, 5000);
    EXPECT_EQ(Calculate(Inputs("10", DistanceUnit::Kilometers, 1, "-0.05")).Text5->substr(0, 14),
              "     31:21    ");
    EXPECT_TRUE(canvas_.Lines().empty());
    EXPECT_TRUE(notifier_.Messages().empty());
}

// A comparison level of 0 leaves the comparison time and its per cent blank.
TEST_F(CalculateSpecialTest, ZeroComparisonLevelLeavesTheComparisonBlank) {
    const SpecialResult result = Calculate(Inputs("10", DistanceUnit::Kilometers, 1), 0.0);
    EXPECT_EQ(result.Text4,
              "     37:03       5:58         3:42           1:29"
              "                                      80");
    ASSERT_TRUE(result.Text5.has_value());
    EXPECT_EQ(*result.Text5, "     46:36       7:30         4:40           1:52                 ");
    EXPECT_FALSE(ShowsANonNumber(result.Text4 + *result.Text5));
}

// Each heading word ends in the column of its figure's last digit, over both lines, whatever the
// widths of the figures (hours, three-digit per cents, no comparison).
TEST_F(CalculateSpecialTest, HeadingWordsStandOverTheirFigures) {
    EXPECT_EQ(SpecialHeadingText(SpecialLine::Level),
              "      Time     Per Mi       Per km        Per 400         Record        %Spd      "
              "P.Level");
    EXPECT_EQ(SpecialHeadingText(SpecialLine::Hill),
              "      Time     Per Mi       Per km        Per 400         Record");
    const std::tuple<const char*, double, int> cases[] = {
        {"10", 1.0, 1}, {"15", 0.5, 1}, {"100", 1.0, 1}, {"3", 0.0, 1}, {"42", 1.05, 1}};
    for (const auto& [kilometres, level, analysis] : cases) {
        SCOPED_TRACE(kilometres);
        const SpecialResult result =
            Calculate(Inputs(kilometres, DistanceUnit::Kilometers, analysis, "0.02"), level);
        ASSERT_TRUE(result.computed);
        ASSERT_TRUE(result.Text5.has_value());
        const std::pair<std::string, std::string> lines[] = {
            {SpecialHeadingText(SpecialLine::Level), result.Text4},
            {SpecialHeadingText(SpecialLine::Hill), *result.Text5}};
        for (const auto& [heading, line] : lines) {
            SCOPED_TRACE(heading + "\n" + line);
            std::size_t words = 0;
            for (const char* word :
                 {"Time", "Per Mi", "Per km", "Per 400", "Record", "%Spd", "P.Level"}) {
                const std::size_t at = heading.find(word);
                const std::string_view name(word);
                const bool blank = level == 0.0 && (name == "Record" || name == "%Spd");
                if (at == std::string::npos || blank) {
                    continue;
                }
                ++words;
                const std::size_t end = at + name.size() - 1;
                ASSERT_LT(end, line.size()) << word;
                EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(line[end]))) << word;
                EXPECT_TRUE(end + 1 == line.size() || line[end + 1] == ' ') << word;
            }
            EXPECT_GE(words, 3u);
        }
    }
}

// Inputs that cannot be computed are refused with a message and change nothing; a slope the
// effort model cannot answer gives a message and an empty hill line, never a number.
TEST(CalculateSpecial, RefusesWhatCannotBeComputed) {
    const std::tuple<SpecialFormInputs, const char*, bool> cases[] = {
        {Inputs("0", DistanceUnit::Kilometers), kSpecialDistanceMessage, false},
        {Inputs("-3", DistanceUnit::Miles), kSpecialDistanceMessage, false},
        {Inputs("five", DistanceUnit::Kilometers), kSpecialDistanceMessage, false},
        {Inputs("5", DistanceUnit::Kilometers, 1, "1"), kSpecialSlopeMessage, false},
        {Inputs("5", DistanceUnit::Kilometers, 2, "-1.5"), kSpecialSlopeMessage, false},
        {Inputs("5", DistanceUnit::Kilometers, 1, "0.9"), kSlopeBeyondModelMessage, true},
        {Inputs("5", DistanceUnit::Kilometers, 2, "0.9"), kSlopeBeyondModelMessage, true},
    };
    for (const auto& [inputs, message, computed] : cases) {
        SCOPED_TRACE(inputs.Text1 + " " + inputs.Text3);
        SpecialRun run;
        run.canvas_.Write("earlier table");
        run.canvas_.EndLine();
        const SpecialResult result = run.Calculate(inputs);
        ASSERT_EQ(run.notifier_.Messages().size(), 1u);
        EXPECT_EQ(run.notifier_.Messages()[0].text, message);
        EXPECT_EQ(result.computed, computed);
        EXPECT_EQ(run.memory_.used, computed ? 1 : 0);
        if (!computed) {
            EXPECT_EQ(run.canvas_.Lines().size(), 1u);
        }
        EXPECT_EQ(result.Text5.value_or(""), "");
    }

    // A curve whose lasting power is not above the resting cost has no strategy table.
    SpecialRun run;
    run.state_.aerobicPower = 140;
    run.Calculate(Inputs("5", DistanceUnit::Kilometers, 0));
    ASSERT_EQ(run.notifier_.Messages().size(), 1u);
    EXPECT_EQ(run.notifier_.Messages()[0].text, kSplitCurveMessage);
    EXPECT_TRUE(run.canvas_.Lines().empty());
}

}  // namespace
}  // namespace kestrova
