#include "analyses/any_distance.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/model_fixtures.hpp"

namespace kestrova {
namespace {

using test_support::ShowsANonNumber;

ModelState ExampleCurve() {
    ModelState state;
    state.anaerobicEnergy = 230000;
    state.aerobicPower = 1198;
    state.refDist = 5000;
    state.fadeCoef = 0.065;
    state.timeOffset = 3;
    state.sex = "m";
    state.age = 35;
    return state;
}

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
    EXPECT_EQ(SpecialDistance(Inputs("2", DistanceUnit::Miles)), 3218.688);
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
    struct Case {
        int option;
        SpecialAnalysis analysis;
        bool table;
        double slope;
    };
    const Case cases[] = {
        {-1, SpecialAnalysis::LevelOnly, false, 0.0},
        {3, SpecialAnalysis::LevelOnly, false, 0.0},
        {0, SpecialAnalysis::UnevenSplits, true, 0.0},
        {1, SpecialAnalysis::ConstantSlope, false, 0.07},
        {2, SpecialAnalysis::HalfUpHalfDown, true, 0.07},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        const SpecialFormInputs inputs = Inputs("5", DistanceUnit::Kilometers, c.option, "0.07");
        EXPECT_EQ(ChosenAnalysis(inputs), c.analysis);
        EXPECT_EQ(HasStrategyTable(c.analysis), c.table);
        EXPECT_EQ(SpecialSlope(inputs), c.slope);
    }
}

TEST(SpecialFormMemory, OpensWithStartingValuesThenTheLastInputs) {
    SpecialFormMemory memory;
    EXPECT_EQ(OpeningSpecialInputs(memory), SpecialFormInputs{});
    ModelState state = ExampleCurve();
    RecordingNotifier notifier;
    LineBuffer canvas;
    SpecialFormInputs inputs = Inputs("3", DistanceUnit::Miles, 2, "-0.04");
    inputs.paceUnit = PaceUnit::Kilometer;
    CalculateSpecial(state, inputs, 1.0, memory, canvas, notifier);
    EXPECT_EQ(memory.used, 1);
    SpecialFormInputs expected = inputs;
    expected.paceUnit = PaceUnit::Mile;
    EXPECT_EQ(OpeningSpecialInputs(memory), expected);
}

TEST(CalculateSpecial, LevelLineOfTheWorkedExample) {
    ModelState state = ExampleCurve();
    SpecialFormMemory memory;
    RecordingNotifier notifier;
    LineBuffer canvas;
    const SpecialResult result = CalculateSpecial(state, Inputs("10", DistanceUnit::Kilometers),
                                                  1.0, memory, canvas, notifier);
    ASSERT_TRUE(result.computed);
    EXPECT_EQ(
        result.Text4,
        "     37:03       5:58         3:42           1:29          26:23          71           "
        "80");
    EXPECT_FALSE(result.Text5.has_value());
    EXPECT_FALSE(result.paceSwitchShown);
    EXPECT_TRUE(canvas.Lines().empty());
    EXPECT_EQ(state.curDist, 10000);
    EXPECT_NEAR(state.perfLevel, 0.801, 0.0005);

    // "Level time only" ignores the slope entirely.
    SpecialFormInputs levelOnly = Inputs("10", DistanceUnit::Kilometers, 3, "junk 7");
    EXPECT_EQ(CalculateSpecial(state, levelOnly, 1.0, memory, canvas, notifier).Text4,
              result.Text4);
    EXPECT_TRUE(notifier.Messages().empty());
}

// A comparison level of 0 leaves the comparison time and its per cent blank.
TEST(CalculateSpecial, ZeroComparisonLevelLeavesTheComparisonBlank) {
    ModelState state = ExampleCurve();
    SpecialFormMemory memory;
    RecordingNotifier notifier;
    LineBuffer canvas;
    const SpecialResult result = CalculateSpecial(state, Inputs("10", DistanceUnit::Kilometers, 1),
                                                  0.0, memory, canvas, notifier);
    EXPECT_EQ(
        result.Text4,
        "     37:03       5:58         3:42           1:29                                    80");
    ASSERT_TRUE(result.Text5.has_value());
    EXPECT_EQ(*result.Text5, "     46:36       7:30         4:40           1:52                 ");
    EXPECT_FALSE(ShowsANonNumber(result.Text4 + *result.Text5));
}

TEST(CalculateSpecial, TablesAndHillLine) {
    ModelState state = ExampleCurve();
    SpecialFormMemory memory;
    RecordingNotifier notifier;
    LineBuffer canvas;
    SpecialResult result = CalculateSpecial(state, Inputs("10", DistanceUnit::Kilometers, 0), 1.0,
                                            memory, canvas, notifier);
    EXPECT_TRUE(result.paceSwitchShown);
    ASSERT_EQ(canvas.Lines().size(), 5u);
    EXPECT_EQ(canvas.Lines()[0], kUnevenSplitsHeader);
    EXPECT_EQ(state.curDist, 5000);

    result = CalculateSpecial(state, Inputs("10", DistanceUnit::Kilometers, 1, "-0.05"), 1.0,
                              memory, canvas, notifier);
    EXPECT_TRUE(canvas.Lines().empty());
    EXPECT_EQ(result.Text5->substr(0, 14), "     31:21    ");
    EXPECT_TRUE(notifier.Messages().empty());
}

// Inputs that cannot be computed are refused with a message and change nothing; a slope the
// effort model cannot answer gives a message and an empty hill line, never a number.
TEST(CalculateSpecial, RefusesWhatCannotBeComputed) {
    struct Case {
        SpecialFormInputs inputs;
        const char* message;
        bool computed;
    };
    const Case cases[] = {
        {Inputs("0", DistanceUnit::Kilometers), kSpecialDistanceMessage, false},
        {Inputs("-3", DistanceUnit::Miles), kSpecialDistanceMessage, false},
        {Inputs("five", DistanceUnit::Kilometers), kSpecialDistanceMessage, false},
        {Inputs("5", DistanceUnit::Kilometers, 1, "1"), kSpecialSlopeMessage, false},
        {Inputs("5", DistanceUnit::Kilometers, 2, "-1.5"), kSpecialSlopeMessage, false},
        {Inputs("5", DistanceUnit::Kilometers, 1, "0.9"), kSlopeBeyondModelMessage, true},
        {Inputs("5", DistanceUnit::Kilometers, 2, "0.9"), kSlopeBeyondModelMessage, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputs.Text1 + " " + c.inputs.Text3);
        ModelState state = ExampleCurve();
        SpecialFormMemory memory;
        RecordingNotifier notifier;
        LineBuffer canvas;
        canvas.Write("earlier table");
        canvas.EndLine();
        const SpecialResult result =
            CalculateSpecial(state, c.inputs, 1.0, memory, canvas, notifier);
        ASSERT_EQ(notifier.Messages().size(), 1u);
        EXPECT_EQ(notifier.Messages()[0].text, c.message);
        EXPECT_EQ(result.computed, c.computed);
        EXPECT_EQ(memory.used, c.computed ? 1 : 0);
        if (!c.computed) {
            EXPECT_EQ(canvas.Lines().size(), 1u);
        }
        if (result.Text5) {
            EXPECT_EQ(*result.Text5, "");
        }
        EXPECT_FALSE(ShowsANonNumber(canvas.Text()));
    }

    // A curve whose lasting power is not above the resting cost has no strategy table.
    ModelState state = ExampleCurve();
    state.aerobicPower = 140;
    SpecialFormMemory memory;
    RecordingNotifier notifier;
    LineBuffer canvas;
    CalculateSpecial(state, Inputs("5", DistanceUnit::Kilometers, 0), 1.0, memory, canvas,
                     notifier);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].text, kSplitCurveMessage);
    EXPECT_TRUE(canvas.Lines().empty());
}

}  // namespace
}  // namespace kestrova
