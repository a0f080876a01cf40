#include "output/pace_graph.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "model/start_up_state.hpp"
#include "model/time_format.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova {

void PrintTo(const CanvasLine& i, std::ostream* out) {
    *out << "line " << i.x1 << "," << i.y1 << " " << i.x2 << "," << i.y2 << " c" << i.colour;
}
void PrintTo(const CanvasCircle& i, std::ostream* out) {
    *out << "circle " << i.x << "," << i.y << " r" << i.r << " c" << i.colour;
}
void PrintTo(const CanvasText& i, std::ostream* out) {
    *out << "text " << i.x << "," << i.y << " \"" << i.text << "\" c" << i.colour;
}

namespace {

using test_support::CalculatedState;
using test_support::SetRaceRow;

struct Graph {
    ModelState state;
    Canvas canvas{kGraphWidth, kGraphHeight};
    RecordingNotifier notifier;
    bool drawn = false;
};

Graph Draw(MainFormInputs form, int scale, const std::string& units = "m", int level = 1000) {
    Graph graph;
    graph.state = CalculatedState(form);
    graph.state.graphScale = scale;
    graph.state.graphUnits = units;
    graph.drawn = DrawPaceGraph(graph.state, level, graph.canvas, graph.notifier);
    return graph;
}

std::vector<CanvasLine> Lines(const Canvas& canvas, int colour) {
    std::vector<CanvasLine> lines;
    for (const CanvasItem& item : canvas.Items()) {
        if (const auto* line = std::get_if<CanvasLine>(&item); line && line->colour == colour) {
            lines.push_back(*line);
        }
    }
    return lines;
}

std::vector<CanvasText> Texts(const Canvas& canvas) {
    std::vector<CanvasText> texts;
    for (const CanvasItem& item : canvas.Items()) {
        if (const auto* text = std::get_if<CanvasText>(&item)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

// The item right after the text `label` (which must be there).
std::size_t IndexOfText(const Canvas& canvas, const std::string& label) {
    const auto& items = canvas.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (const auto* text = std::get_if<CanvasText>(&items[i]); text && text->text == label) {
            return i;
        }
    }
    ADD_FAILURE() << "no text " << label;
    return 0;
}

// A runner about 10 % slower than the start-up runner.
MainFormInputs SlowerRunner() {
    MainFormInputs form;
    ClearRaceRows(form);
    SetRaceRow(form, 0, "0", "6", "10", "1600", DistanceUnit::Meters);
    SetRaceRow(form, 1, "0", "22", "00", "5", DistanceUnit::Kilometers);
    return form;
}

TEST(PaceOffset, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    const struct {
        double p400;
        std::optional<int> k0;
    } cases[] = {{90.0, 0},
                 {97.5, 1},
                 {105.0, 2},
                 {120.0, 2},
                 {135.0, 4},
                 {75.0, 0},
                 {60.0, -2},
                 {491587.5, 32767},
                 {1e9, std::nullopt},
                 {NAN, std::nullopt},
                 {INFINITY, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(PaceOffset(c.p400), c.k0) << c.p400;
    }
}

TEST(PaceGraph, GridFirstThenTheSixRowsOfBothScales) {
    // A digit of the 8 pt font is 1139/2048 em wide, a blank 569/2048: "%" follows the number.
    const double kDigit = 1139.0 / 2048 * 160;
    const double kBlank = 569.0 / 2048 * 160;
    const Graph graph = Draw(MainFormInputs{}, 4);
    ASSERT_TRUE(graph.drawn);
    const auto& items = graph.canvas.Items();
    for (int j = 0; j < 16; ++j) {
        const auto& line = std::get<CanvasLine>(items[static_cast<std::size_t>(j)]);
        EXPECT_EQ(line, (CanvasLine{392, 85.0 + 340 * j, 8624, 85.0 + 340 * j, j % 3 ? 7 : 0}));
    }
    // The start-up runner's 400 m pace at 2000 m is under 97.5 s: k0 = 0.
    const std::vector<CanvasText> expected = {
        {112, 0, " 120 ", 0},    {8288, 0, "    5:00", 0},
        {448, 1003, "100", 13},  {448 + 3 * kDigit, 1003, "%", 4},
        {112, 1003, " 105 ", 0}, {8288, 1003, "    4:22", 0},
        {448, 2006, " 85", 13},  {448 + kBlank + 2 * kDigit, 2006, "%", 4},
        {112, 2006, " 90 ", 0},  {8288, 2006, "    3:45", 0},
        {448, 3009, " 70", 13},  {448 + kBlank + 2 * kDigit, 3009, "%", 4},
        {112, 3009, " 75 ", 0},  {8288, 3009, "    3:08", 0},
        {448, 4012, " 55", 13},  {448 + kBlank + 2 * kDigit, 4012, "%", 4},
        {112, 4012, " 60 ", 0},  {8288, 4012, "    2:30", 0},
        {112, 5015, " 45 ", 0},  {8288, 5015, "    1:52", 0}};
    const std::vector<CanvasText> texts = Texts(graph.canvas);
    ASSERT_GE(texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_NEAR(texts[i].x, expected[i].x, 1e-9) << expected[i].text;
        EXPECT_EQ(texts[i].y, expected[i].y);
        EXPECT_EQ(texts[i].colour, expected[i].colour);
    }
}

TEST(PaceGraph, PaceAxisFollowsTheRunnerAndTheUnits) {
    const Graph metric = Draw(SlowerRunner(), 4, "m");
    const Graph english = Draw(SlowerRunner(), 4, "e");
    const std::vector<CanvasText> m = Texts(metric.canvas);
    const std::vector<CanvasText> e = Texts(english.canvas);
    // k0 = 1: 121 s per 400 m, 302.5 s per km, 8:04 per mile.
    EXPECT_EQ(m[0], (CanvasText{112, 0, " 121 ", 0}));
    EXPECT_EQ(m[1], (CanvasText{8288, 0, FormatTime(302.5).substr(0, 8), 0}));
    EXPECT_EQ(e[1], (CanvasText{8288, 0, "    8:04", 0}));
    EXPECT_EQ(Texts(Draw(MainFormInputs{}, 4, "e").canvas)[1].text, FormatTime(480).substr(0, 8));
    // The titles, one character per line: 18 characters each, left then right.
    std::string leftTitle;
    std::string rightTitle;
    for (const CanvasText& text : e) {
        if (text.x == 14) {
            EXPECT_EQ(text.y, (10.0 * (leftTitle.size() + 1) + 60) * 17);
            leftTitle += text.text;
        } else if (text.x == 8960) {
            EXPECT_EQ(text.y, (10.0 * (rightTitle.size() + 1) + 66) * 17);
            rightTitle += text.text;
        }
    }
    EXPECT_EQ(leftTitle, "seconds per 440 yd");
    EXPECT_EQ(rightTitle, "minutes per mile  ");
}

TEST(PaceGraph, DistanceGridMarkersAndLegendOfEachScale) {
    const struct {
        int scale;
        const char* label;
        int colour;
        double labelX;
        double labelY;
        double lineX;  // grid units
    } cases[] = {
        {1, " 100 m ", 0, 112, 5200, 28},
        {1, " 800 m ", 0, 7952, 5200, 588},
        {2, " 3200 m ", 0, 7952, 5200, 588},
        {2, "1.5k", 11, 248 * 14 - 8, 408, 248},
        {2, "1mi", 3, (28 + 80 * (1609.344 / 400 - 1)) * 14 - 8, 272,
         28 + 80 * (1609.344 / 400 - 1)},
        {2, "3k", 11, 548 * 14 - 8, 272, 548},
        {3, " 40 km", 0, 7952, 5200, 588},
        {3, "H.M.", 3, (28 + 80 * (21097.5 / 5000 - 1)) * 14 - 8, 408,
         28 + 80 * (21097.5 / 5000 - 1)},
        {3, "M.", 3, (28 + 80 * (42195.0 / 5000 - 1)) * 14 - 8, 272,
         28 + 80 * (42195.0 / 5000 - 1)},
        {4, "100m", 0, 212, 5200, 28},
        {4, "100k", 0, 616 * 14 - 180, 5200, 616},
        {4, "400", 8, (std::log(400) / 2.30259 - 2) * 196 * 14 + 392 - 180, 350,
         (std::log(400) / 2.30259 - 2) * 196 + 28},
        {4, "2mi", 3, (std::log(3218.688) / 2.30259 - 2) * 196 * 14 + 392 - 180, 150,
         (std::log(3218.688) / 2.30259 - 2) * 196 + 28},
        {4, "H.M.", 3, (std::log(21097.5) / 2.30259 - 2) * 196 * 14 + 392 - 180, 350,
         (std::log(21097.5) / 2.30259 - 2) * 196 + 28},
    };
    for (const auto& c : cases) {
        const Graph graph = Draw(MainFormInputs{}, c.scale);
        const std::size_t at = IndexOfText(graph.canvas, c.label);
        ASSERT_GT(at, 0u);
        const auto& text = std::get<CanvasText>(graph.canvas.Items()[at]);
        EXPECT_NEAR(text.x, c.labelX, 1e-9) << c.label;
        EXPECT_EQ(text.y, c.labelY) << c.label;
        EXPECT_EQ(text.colour, c.colour) << c.label;
        const auto& line = std::get<CanvasLine>(graph.canvas.Items()[at - 1]);
        EXPECT_EQ(line.colour, c.colour) << c.label;
        EXPECT_NEAR(line.x1, c.lineX * 14, 1e-9) << c.label;
        EXPECT_EQ(line.y1, 85);
        EXPECT_EQ(line.y2, 5185);
    }
    const Graph graph = Draw(MainFormInputs{}, 4);
    const std::size_t legend = IndexOfText(graph.canvas, "race pace");
    const std::vector<CanvasItem> expected = {CanvasText{7420, 4250, "race pace", 9},
                                              CanvasText{7280, 4454, "record pace", 12},
                                              CanvasText{7070, 4658, "% of rec. pace", 4},
                                              CanvasText{6762, 4862, "performance level", 13}};
    EXPECT_EQ(std::vector<CanvasItem>(graph.canvas.Items().begin() + legend,
                                      graph.canvas.Items().begin() + legend + 4),
              expected);
}

TEST(PaceGraph, RaceMarksAreTwoCirclesAndOnlyLeftOfTheRightEnd) {
    // The start-up runner's 400 m in 58.3 s, on the log scale after the legend.
    const Graph graph = Draw(MainFormInputs{}, 4);
    const std::size_t marks = IndexOfText(graph.canvas, "performance level") + 1;
    const double x = std::nearbyint(14 * (28 + std::log(4.0) * 196 / 2.30259));
    EXPECT_EQ(std::get<CanvasCircle>(graph.canvas.Items()[marks]),
              (CanvasCircle{x, 4281, 10, 0, {}}));
    EXPECT_EQ(std::get<CanvasCircle>(graph.canvas.Items()[marks + 1]),
              (CanvasCircle{x, 4281, 50, 0, {}}));

    MainFormInputs form;
    SetRaceRow(form, 0, "0", "0", "41", "300", DistanceUnit::Meters);
    const struct {
        int scale;
        std::size_t circles;
    } cases[] = {{1, 4}, {2, 4}, {3, 4}, {4, 10}};
    for (const auto& c : cases) {
        std::vector<CanvasCircle> circles;
        const Graph graph = Draw(form, c.scale);
        for (const CanvasItem& item : graph.canvas.Items()) {
            if (const auto* circle = std::get_if<CanvasCircle>(&item)) {
                circles.push_back(*circle);
            }
        }
        ASSERT_EQ(circles.size(), c.circles) << c.scale;
        if (c.scale == 2) {
            // 300 m lies left of the plot (8 grid units from the window's edge): not marked.
            EXPECT_GT(circles[0].x, 392);
        }
        if (c.scale == 3) {
            // 5 km and 10 km are marked, 5 km on the plot's left edge, half of it clipped away.
            EXPECT_EQ(circles[0].x, 392);
            EXPECT_TRUE(circles[1].clip.has_value());
            EXPECT_EQ(circles[2].x, std::nearbyint(14 * (28 + 5000 * 588 / 37500.0)));
        }
    }
}

TEST(PaceGraph, FourCurvesOfSixtyPointsAndTheirSideEffects) {
    // The curves have 61 points on the linear scales and 60 on the log scale, each drawn as a
    // segment from the one before; the last point of a linear scale lies right of the plot, so
    // its segment is cut away. Segments wholly outside the plot (the race pace above its top,
    // the record pace below its bottom) are left out.
    const struct {
        int scale;
        std::size_t segments;
        double lastDistance;
    } cases[] = {{1, 60, 850},
                 {2, 60, 3400},
                 {3, 60, 5000 + 60 * (37500 / 588.0 * 10)},
                 {4, 60, std::pow(10.0, 2 + 590 / 196.0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        const Graph graph = Draw(MainFormInputs{}, c.scale);
        const auto racePace = Lines(graph.canvas, 9);
        const auto levels = Lines(graph.canvas, 13);
        ASSERT_GE(racePace.size(), 40u);
        EXPECT_LE(racePace.size(), c.segments);
        EXPECT_LE(Lines(graph.canvas, 12).size(), c.segments);
        EXPECT_EQ(Lines(graph.canvas, 4).size(), c.segments);
        ASSERT_EQ(levels.size(), c.segments);
        // The first segment runs from the first point towards one twip left of and below it,
        // which the plot's left edge cuts down to the point itself.
        EXPECT_EQ(racePace[0].x1, 392);
        EXPECT_EQ(racePace[0].x2, 392);
        EXPECT_EQ(racePace[0].y2, racePace[0].y1);
        EXPECT_EQ(racePace[1].x2, racePace[0].x1);
        EXPECT_EQ(racePace[1].x1, 392 + 140);
        // curDist and perfLevel are left at the last point.
        EXPECT_NEAR(graph.state.curDist, c.lastDistance, 1e-9 * c.lastDistance);
        EXPECT_GT(graph.state.perfLevel, 0.5);
    }
    // Within a point: race pace, record pace, % of record pace, performance level (at 1000 m,
    // the 30th point of the log scale, where all four run inside the plot).
    const Graph graph = Draw(MainFormInputs{}, 4);
    const auto& items = graph.canvas.Items();
    std::size_t racePaces = 0;
    std::size_t at = 0;
    for (; at < items.size() && racePaces < 30; ++at) {
        const auto* line = std::get_if<CanvasLine>(&items[at]);
        racePaces += line != nullptr && line->colour == 9 ? 1 : 0;
    }
    ASSERT_LT(at + 2, items.size());
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::get<CanvasLine>(items[at - 1 + i]).colour, (std::array{9, 12, 4, 13}[i]));
    }
}

// Nothing of the curves and race marks is drawn over the labels and margins around the plot,
// and every item is finite, whatever the runner, scale, units and level; at the full comparison
// level the percentage of record pace runs on or under the 100 % row.
TEST(PaceGraph, CurvesAndMarksStayInsideThePlot) {
    const CanvasRect plot{392, 85, 8624, 5185};
    MainFormInputs weak;
    ClearRaceRows(weak);
    SetRaceRow(weak, 0, "0", "3", "10", "400", DistanceUnit::Meters);
    SetRaceRow(weak, 1, "1", "40", "0", "10", DistanceUnit::Kilometers);
    const auto inPlot = [&plot](double x, double y) {
        return x >= plot.left && x <= plot.right && y >= plot.top && y <= plot.bottom;
    };
    // The weak runner's curves mostly run off the plot.
    const std::pair<MainFormInputs, std::size_t> runners[] = {
        {MainFormInputs{}, 101}, {test_support::SprintRunner(), 101}, {weak, 0}};
    for (const auto& [runner, leastCurves] : runners) {
        for (int scale = 1; scale <= 4; ++scale) {
            for (const char* units : {"m", "e"}) {
                for (const int level : {1, 1000, 1050}) {
                    SCOPED_TRACE(std::to_string(scale) + units + std::to_string(level));
                    const Graph graph = Draw(runner, scale, units, level);
                    ASSERT_TRUE(graph.drawn);
                    std::size_t curves = 0;
                    for (const CanvasItem& item : graph.canvas.Items()) {
                        if (const auto* line = std::get_if<CanvasLine>(&item)) {
                            const int c = line->colour;
                            if (c == 9 || c == 12 || c == 4 || c == 13) {
                                ++curves;
                                EXPECT_TRUE(inPlot(line->x1, line->y1) &&
                                            inPlot(line->x2, line->y2));
                            }
                            if (c == 4 && level == 1000) {
                                EXPECT_GE(line->y1, 65 * 17);
                            }
                        } else if (const auto* circle = std::get_if<CanvasCircle>(&item)) {
                            const bool inside =
                                inPlot(circle->x - circle->r, circle->y - circle->r) &&
                                inPlot(circle->x + circle->r, circle->y + circle->r);
                            EXPECT_TRUE(inside || circle->clip == plot);
                        } else {
                            const auto& text = std::get<CanvasText>(item);
                            EXPECT_TRUE(std::isfinite(text.x) && std::isfinite(text.y));
                        }
                    }
                    EXPECT_GE(curves, leastCurves);
                }
            }
        }
    }
}

TEST(PaceGraph, ComparisonLevelZeroLeavesOutTheComparisonCurvesWithANote) {
    const Graph graph = Draw(MainFormInputs{}, 4, "m", 0);
    ASSERT_TRUE(graph.drawn);
    EXPECT_EQ(Lines(graph.canvas, 9).size(), 54u);
    EXPECT_EQ(Lines(graph.canvas, 13).size(), 60u);
    EXPECT_TRUE(Lines(graph.canvas, 12).empty());
    EXPECT_TRUE(Lines(graph.canvas, 4).empty());
    const std::vector<CanvasText> texts = Texts(graph.canvas);
    const auto has = [&texts](const std::string& label) {
        return std::any_of(texts.begin(), texts.end(),
                           [&label](const CanvasText& t) { return t.text == label; });
    };
    EXPECT_FALSE(has("record pace"));
    EXPECT_FALSE(has("% of rec. pace"));
    EXPECT_TRUE(has("No record pace at comparison level 0"));
    EXPECT_TRUE(graph.notifier.Messages().empty());
    // The note stands clear of every other text (8-point characters are on average under 100 twips
    // wide, and under 200 high) and inside the window.
    const auto box = [](const CanvasText& t) {
        return CanvasRect{t.x, t.y, t.x + 100.0 * static_cast<double>(t.text.size()), t.y + 200};
    };
    const auto note = std::find_if(texts.begin(), texts.end(), [](const CanvasText& t) {
        return t.text == "No record pace at comparison level 0";
    });
    const CanvasRect noteBox = box(*note);
    EXPECT_LE(noteBox.right, 9090);
    for (const CanvasText& other : texts) {
        if (&other == &*note) {
            continue;
        }
        const CanvasRect b = box(other);
        const bool apart = b.right <= noteBox.left || b.left >= noteBox.right ||
                           b.bottom <= noteBox.top || b.top >= noteBox.bottom;
        EXPECT_TRUE(apart) << other.text;
    }
}

TEST(PaceGraph, ACurveWithoutAPaceAxisIsRefusedAndNothingDrawn) {
    ModelState state = StartUpState(MainFormInputs{});
    state.aerobicPower = 100.0;  // below the cost of standing still: no speed solves the curve
    state.refDist = 1000.0;
    Canvas canvas(kGraphWidth, kGraphHeight);
    RecordingNotifier notifier;
    EXPECT_FALSE(DrawPaceGraph(state, 1000, canvas, notifier));
    EXPECT_TRUE(canvas.Items().empty());
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].text,
              "The graph cannot be drawn: the modelled pace is beyond the range of the pace axis.");
}

TEST(Canvas, KeepsOnlyWhatLiesOnTheArea) {
    Canvas canvas(100, 50);
    canvas.Line(10, 10, 90, 40, 1);      // inside: unchanged
    canvas.Line(50, 25, 150, 25, 2);     // cut at the right edge
    canvas.Line(-50, 60, 20, -10, 3);    // cut at the bottom and top
    canvas.Line(120, 0, 130, 10, 4);     // wholly off the area
    canvas.Line(NAN, 0, 10, 10, 5);      // not a number
    canvas.Circle(-30, 25, 20, 6);       // off the area
    canvas.Circle(-10, 25, 20, 7);       // partly on it
    canvas.Circle(50, 25, INFINITY, 8);  // not finite
    canvas.Text(100, 10, "x", 9);        // at the right edge: off
    canvas.Text(99, 49, "y", 10);        // on
    const std::vector<CanvasItem> expected = {
        CanvasLine{10, 10, 90, 40, 1}, CanvasLine{50, 25, 100, 25, 2}, CanvasLine{0, 10, 10, 0, 3},
        CanvasCircle{-10, 25, 20, 7, {}}, CanvasText{99, 49, "y", 10}};
    ASSERT_EQ(canvas.Items().size(), expected.size());
    EXPECT_EQ(canvas.Items()[0], expected[0]);
    EXPECT_EQ(canvas.Items()[1], expected[1]);
    const auto& cut = std::get<CanvasLine>(canvas.Items()[2]);
    EXPECT_NEAR(cut.x1, 0, 1e-9);
    EXPECT_NEAR(cut.y1, 10, 1e-9);
    EXPECT_NEAR(cut.x2, 10, 1e-9);
    EXPECT_NEAR(cut.y2, 0, 1e-9);
    EXPECT_EQ(canvas.Items()[3], expected[3]);
    EXPECT_EQ(canvas.Items()[4], expected[4]);
}

}  // namespace
}  // namespace kestrova
