#include "output/pace_graph.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/bounded_search.hpp"
#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/pace_model.hpp"
#include "model/record_curve.hpp"
#include "output/pace_graph_frame.hpp"

namespace kestrova {
namespace {

using namespace pace_graph;

constexpr double kMile = kMetersPerMile;
constexpr double kMetricPaceDistance = 1600.0;  // 4 x 400 m
constexpr int kMaxCurvePoints = 100;            // the curves have 60 or 61 points
constexpr std::array<double, 2> kMarkRadii = {10.0, 50.0};

// The four curves, in the order each point draws them.
enum Curve { kRacePace, kRecordPace, kPercentOfRecord, kLevel, kCurveCount };
constexpr std::array<int, kCurveCount> kCurveColours = {kLightBlue, kLightRed, kRed, kLightMagenta};

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// Where the drawing of each curve has got to: one segment per point, from the point to the one
// before. A curve's first point (or the first after a point that could not be placed) starts
// from one twip to its left and one twip lower.
class CurvePens {
  public:
    void DrawTo(Curve curve, std::optional<Point> point, Canvas& canvas) {
        std::optional<Point>& last = last_[curve];
        if (point) {
            const Point from = last.value_or(Point{point->x - 1.0, point->y + 1.0});
            canvas.Line(point->x, point->y, from.x, from.y, kCurveColours[curve]);
        }
        last = point;
    }

  private:
    std::array<std::optional<Point>, kCurveCount> last_{};
};

// y of a pace (seconds per 1600 m or per mile) in grid units.
double PaceRow(double pace, int k0) {
    return (kPlotBottom + 4.0 * k0) - (pace - 180.0);
}

// y of a percentage in grid units: 100 % at 65, 55 % at 245.
double PercentRow(double percent) {
    return 465.0 - 4.0 * percent;
}

// A grid-unit value rounded halves to even, then scaled to twips; nothing when it cannot be
// rounded.
std::optional<double> RoundedTwips(double units, double twipsPerUnit) {
    const std::optional<long long> rounded = RoundHalfEven(units);
    if (!rounded) {
        return std::nullopt;
    }
    return twipsPerUnit * static_cast<double>(*rounded);
}

double GraphX(const GraphScale& scale, double c) {
    return kPlotLeft + (c - scale.xmin) * kPlotWidth / (scale.xmax - scale.xmin);
}

void DrawRaceMarks(const ModelState& state, const GraphFrame& frame, Canvas& canvas) {
    const GraphScale& scale = frame.scale;
    const double paceDistance = frame.metric ? kMetricPaceDistance : kMile;
    const int count = std::min(state.raceCount, kRaceSlots - 1);
    for (int i = 1; i <= count; ++i) {
        const double d = state.entryDist[static_cast<std::size_t>(i)];
        const double t = state.entryTime[static_cast<std::size_t>(i)];
        const double c = scale.number == 4 ? std::log(d / 100.0) * kUnitsPerDecade / kLog10 : d;
        if (!(c < scale.xmax)) {
            continue;
        }
        const double pace = t / d * paceDistance;
        const std::optional<long long> x = RoundHalfEven(kUnitX * GraphX(scale, c));
        const std::optional<long long> y = RoundHalfEven(kUnitY * PaceRow(pace, frame.k0));
        if (!x || !y) {
            continue;
        }
        for (const double radius : kMarkRadii) {
            canvas.Circle(static_cast<double>(*x), static_cast<double>(*y), radius, kBlack);
        }
    }
}

// One point of each curve at c, with curDist = d.
void DrawCurvePoint(ModelState& state, const GraphFrame& frame, double level, double c,
                    CurvePens& pens, Canvas& canvas) {
    const GraphScale& scale = frame.scale;
    const double d = scale.number == 4 ? std::pow(10.0, 2.0 + c / kUnitsPerDecade) : c;
    const double paceDistance = frame.metric ? kMetricPaceDistance : kMile;
    state.curDist = d;
    const double t = PredictedRaceTime(state, d);
    const std::optional<double> x = RoundedTwips(GraphX(scale, c), kUnitX);
    const auto at = [&x](std::optional<double> y) -> std::optional<Point> {
        if (!x || !y) {
            return std::nullopt;
        }
        return Point{*x, *y};
    };
    const double racePace = frame.metric ? 4.0 * 400.0 * t / d : kMile * t / d;
    pens.DrawTo(kRacePace, at(RoundedTwips(PaceRow(racePace, frame.k0), kUnitY)), canvas);
    if (frame.withComparison) {
        const double comparison = TimeAtLevel(state, state.sex, 0.0, d, level);
        const double comparisonPace = comparison / d * paceDistance;
        pens.DrawTo(kRecordPace, at(RoundedTwips(PaceRow(comparisonPace, frame.k0), kUnitY)),
                    canvas);
        pens.DrawTo(kPercentOfRecord, at(kUnitY * PercentRow(100.0 * comparison / t)), canvas);
    }
    const double record = TimeAtLevel(state, state.sex, 1.0, d, 1.0);
    state.perfLevel = PerformanceLevelOf(state, record / t, d, state.sex);
    pens.DrawTo(kLevel, at(kUnitY * PercentRow(100.0 * state.perfLevel)), canvas);
}

// The curves every 10 grid units, from xmin to a little right of the plot.
void DrawCurves(ModelState& state, const GraphFrame& frame, double level, Canvas& canvas) {
    const GraphScale& scale = frame.scale;
    const double step = (scale.xmax - scale.xmin) / kPlotWidth * 10.0;
    const double end = 1.02 * scale.xmax;
    CurvePens pens;
    RunBounded(kMaxCurvePoints, [&, n = 0]() mutable {
        const double c = scale.xmin + step * n++;
        if (c > end) {
            return true;
        }
        DrawCurvePoint(state, frame, level, c, pens, canvas);
        return false;
    });
}

}  // namespace

std::optional<int> PaceOffset(double p400) {
    const std::optional<long long> k0 = RoundHalfEven((p400 - 82.5) / 15.0);
    if (!k0 || *k0 < std::numeric_limits<std::int16_t>::min() ||
        *k0 > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*k0);
}

bool DrawPaceGraph(ModelState& state, int comparisonScroll, Canvas& canvas, Notifier& notifier) {
    GraphFrame frame;
    frame.scale = ScaleOf(state.graphScale);
    frame.metric = state.graphUnits == "m";
    const double probe = frame.scale.probe;
    state.curDist = probe;
    const double p400 = 400.0 * PredictedRaceTime(state, probe) / probe;
    const std::optional<int> k0 = PaceOffset(p400);
    if (!k0) {
        notifier.Show(
            "The graph cannot be drawn: the modelled pace is beyond the range of the pace axis.");
        return false;
    }
    frame.k0 = *k0;
    const double level = comparisonScroll / 1000.0;
    frame.withComparison = level > 0.0;
    DrawGraphFrame(frame, canvas);
    // The marks and curves stay inside the plot, off the labels and margins around it.
    canvas.SetClip(kPlotArea);
    DrawRaceMarks(state, frame, canvas);
    DrawCurves(state, frame, level, canvas);
    canvas.SetClip(std::nullopt);
    return true;
}

std::string GraphTitleLine(const std::string& runnerName, const std::string& date) {
    return "Pace versus distance: " + runnerName + ", " + date;
}

}  // namespace kestrova
