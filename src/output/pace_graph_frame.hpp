#pragma once

#include "output/canvas.hpp"

namespace kestrova::pace_graph {

// Plot geometry: grid units of 14 twips across and 17 twips down; the plot runs from x = 28 to
// 616 and from y = 5 to 305 grid units.
inline constexpr double kUnitX = 14.0;
inline constexpr double kUnitY = 17.0;
inline constexpr double kPlotLeft = 28.0;
inline constexpr double kPlotRight = 616.0;
inline constexpr double kPlotTop = 5.0;
inline constexpr double kPlotBottom = 305.0;
inline constexpr double kPlotWidth = kPlotRight - kPlotLeft;  // 588
// The plot's rectangle in twips: the curves and race marks are clipped to it.
inline constexpr CanvasRect kPlotArea = {kPlotLeft * kUnitX, kPlotTop* kUnitY, kPlotRight* kUnitX,
                                         kPlotBottom* kUnitY};

// The log scale: 196 grid units per decade of distance, 0 at 100 m.
inline constexpr double kLog10 = 2.30259;
inline constexpr double kUnitsPerDecade = 196.0;

// Palette indices the graph uses.
inline constexpr int kBlack = 0;
inline constexpr int kCyan = 3;
inline constexpr int kRed = 4;
inline constexpr int kLightGrey = 7;
inline constexpr int kDarkGrey = 8;
inline constexpr int kLightBlue = 9;
inline constexpr int kLightCyan = 11;
inline constexpr int kLightRed = 12;
inline constexpr int kLightMagenta = 13;

// One distance scale: 1 to 3 linear in metres, 4 logarithmic (0 to 588 units, 0 at 100 m).
struct GraphScale {
    int number = 4;
    double xmin = 0.0;
    double xmax = 588.0;
    double probe = 2000.0;  // where the runner's pace places the pace axis
};
GraphScale ScaleOf(int graphScale);

// What the frame of the graph depends on.
struct GraphFrame {
    GraphScale scale;
    bool metric = true;
    int k0 = 0;  // pace offset
    bool withComparison = true;
};

// Everything of the drawing but the curves: grid, pace and percentage scales, axis titles,
// distance grid with labels and markers, legend (and the note when there is no comparison pace).
void DrawGraphFrame(const GraphFrame& frame, Canvas& canvas);

}  // namespace kestrova::pace_graph
