#include "output/pace_graph_frame.hpp"

#include <array>
#include <cmath>
#include <string>

#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova::pace_graph {
namespace {

constexpr int kLabelCount = 8;
constexpr const char* kNoComparisonNote = "No record pace at comparison level 0";
constexpr double kNoComparisonNoteX = 5300.0;  // twips
constexpr double kDistanceLabelY = 5200.0;     // twips

// One marker line of a distance grid, with its label.
struct Marker {
    double meters;
    const char* label;
    int colour;
    double labelY;  // twips
};

// A label of a linear scale's distance grid (k = 1 to 8): " 100 m ", " 400 m ", " 5 km".
std::string DistanceLabel(int scale, int k) {
    switch (scale) {
        case 1:
            return NumberText(100.0 * k) + " m ";
        case 2:
            return NumberText(400.0 * k) + " m ";
        default:
            return NumberText(5.0 * k) + " km";
    }
}

// A vertical line of the plot's height at x grid units, its label in the same colour.
void MarkerLine(double x, const char* label, int colour, double labelX, double labelY,
                Canvas& canvas) {
    canvas.Line(x * kUnitX, kPlotTop * kUnitY, x * kUnitX, kPlotBottom * kUnitY, colour);
    canvas.Text(labelX, labelY, label, colour);
}

void HorizontalGrid(Canvas& canvas) {
    for (int j = 0; j <= 15; ++j) {
        const double y = (kPlotTop + 20.0 * j) * kUnitY;
        canvas.Line(kPlotLeft * kUnitX, y, kPlotRight * kUnitX, y,
                    j % 3 == 0 ? kBlack : kLightGrey);
    }
}

// The six rows of the left and right scales: percentage, pace per 400 m (or 440 yd) and the
// time per km (or mile).
void PaceScales(const GraphFrame& frame, Canvas& canvas) {
    static constexpr std::array<const char*, 7> kPercent = {"", "", "100", " 85", " 70", " 55", ""};
    for (int r = 1; r <= 6; ++r) {
        const double y = std::nearbyint(59.0 * (r - 1) * kUnitY);
        const std::string percent = kPercent[static_cast<std::size_t>(r)];
        if (!percent.empty()) {
            canvas.Text(448.0, y, percent, kLightMagenta);
            canvas.Text(448.0 + NumberTextWidth(percent), y, "%", kRed);
        }
        const int pace = (135 - 15 * r) + frame.k0;
        canvas.Text(112.0, y, PrintedNumber(pace), kBlack);
        const double perUnit = frame.metric ? 4.0 * pace / 1.6 : 4.0 * pace;
        canvas.Text(8288.0, y, FormatTime(perUnit).substr(0, 8), kBlack);
    }
}

// A title written downwards, one character per line.
void VerticalTitle(const std::string& title, double x, double firstRow, Canvas& canvas) {
    for (std::size_t i = 1; i <= title.size(); ++i) {
        canvas.Text(x, (10.0 * static_cast<double>(i) + firstRow) * kUnitY, title.substr(i - 1, 1),
                    kBlack);
    }
}

void AxisTitles(const GraphFrame& frame, Canvas& canvas) {
    VerticalTitle(frame.metric ? "seconds per 400 m " : "seconds per 440 yd", 14.0, 60.0, canvas);
    VerticalTitle(frame.metric ? "minutes per km    " : "minutes per mile  ", 8960.0, 66.0, canvas);
}

void LinearDistanceGrid(const GraphFrame& frame, Canvas& canvas) {
    const int scale = frame.scale.number;
    for (int k = 1; k <= kLabelCount; ++k) {
        const double x = kPlotLeft + 80.0 * (k - 1);
        MarkerLine(x, DistanceLabel(scale, k).c_str(), kBlack, (80.0 * (k - 1) + 8.0) * kUnitX,
                   kDistanceLabelY, canvas);
    }
    static constexpr std::array<Marker, 4> kTrackMarkers = {{
        {1500.0, "1.5k", kLightCyan, 408.0},
        {kMetersPerMile, "1mi", kCyan, 272.0},
        {3000.0, "3k", kLightCyan, 272.0},
        {3218.688, "2mi", kCyan, 272.0},
    }};
    static constexpr std::array<Marker, 3> kRoadMarkers = {{
        {16093.44, "10mi", kCyan, 272.0},
        {21097.5, "H.M.", kCyan, 408.0},
        {42195.0, "M.", kCyan, 272.0},
    }};
    const auto draw = [&canvas](const auto& markers, double step) {
        for (const Marker& marker : markers) {
            const double x = kPlotLeft + 80.0 * (marker.meters / step - 1.0);
            MarkerLine(x, marker.label, marker.colour, x * kUnitX - 8.0, marker.labelY, canvas);
        }
    };
    if (scale == 2) {
        draw(kTrackMarkers, 400.0);
    } else if (scale == 3) {
        draw(kRoadMarkers, 5000.0);
    }
}

void LogDistanceGrid(Canvas& canvas) {
    static constexpr std::array<const char*, 4> kDecades = {"100m", "1000m", "10k", "100k"};
    for (std::size_t m = 0; m < kDecades.size(); ++m) {
        const double x = kPlotLeft + kUnitsPerDecade * static_cast<double>(m);
        MarkerLine(x, kDecades[m], kBlack, x * kUnitX - 180.0, kDistanceLabelY, canvas);
    }
    static constexpr std::array<Marker, 11> kMarkers = {{
        {200.0, "200", kDarkGrey, 350.0},
        {400.0, "400", kDarkGrey, 350.0},
        {800.0, "800", kDarkGrey, 350.0},
        {1500.0, "1.5k", kDarkGrey, 350.0},
        {kMetersPerMile, "1mi", kCyan, 150.0},
        {3000.0, "3k", kDarkGrey, 350.0},
        {3218.688, "2mi", kCyan, 150.0},
        {5000.0, "5k", kDarkGrey, 350.0},
        {16093.44, "10mi", kCyan, 150.0},
        {21097.5, "H.M.", kCyan, 350.0},
        {42195.0, "M.", kCyan, 150.0},
    }};
    for (const Marker& marker : kMarkers) {
        const double x = (std::log(marker.meters) / kLog10 - 2.0) * kUnitsPerDecade + kPlotLeft;
        MarkerLine(x, marker.label, marker.colour, x * kUnitX - 180.0, marker.labelY, canvas);
    }
}

void Legend(const GraphFrame& frame, Canvas& canvas) {
    canvas.Text(530.0 * kUnitX, 250.0 * kUnitY, "race pace", kLightBlue);
    if (frame.withComparison) {
        canvas.Text(520.0 * kUnitX, 262.0 * kUnitY, "record pace", kLightRed);
        canvas.Text(505.0 * kUnitX, 274.0 * kUnitY, "% of rec. pace", kRed);
    }
    canvas.Text(483.0 * kUnitX, 286.0 * kUnitY, "performance level", kLightMagenta);
    if (!frame.withComparison) {
        // In the legend, on the lines the two missing curves would have, ending near the plot's
        // right edge: clear of the distance labels along the plot's top.
        canvas.Text(kNoComparisonNoteX, 262.0 * kUnitY, kNoComparisonNote, kLightRed);
    }
}

}  // namespace

GraphScale ScaleOf(int graphScale) {
    switch (graphScale) {
        case 1:
            return {1, 100.0, 835.0, 300.0};
        case 2:
            return {2, 400.0, 3340.0, 800.0};
        case 3:
            return {3, 5000.0, 42500.0, 10000.0};
        default:
            return {4, 0.0, 588.0, 2000.0};
    }
}

void DrawGraphFrame(const GraphFrame& frame, Canvas& canvas) {
    HorizontalGrid(canvas);
    PaceScales(frame, canvas);
    AxisTitles(frame, canvas);
    if (frame.scale.number == 4) {
        LogDistanceGrid(canvas);
    } else {
        LinearDistanceGrid(frame, canvas);
    }
    Legend(frame, canvas);
}

}  // namespace kestrova::pace_graph
