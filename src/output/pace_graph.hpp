#pragma once

#include <optional>
#include <string>

#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "output/canvas.hpp"

namespace kestrova {

// The drawing area of the graph window "graphform", in twips.
inline constexpr double kGraphWidth = 9090.0;
inline constexpr double kGraphHeight = 5760.0;

// The pace offset k0 of the pace axis for the runner's modelled time per 400 m at the scale's
// probe distance: (p400 - 82.5) / 15 rounded, halves to even. Nothing when that is not a number
// or does not fit the program's 16-bit integers (no pace axis can be drawn for it).
std::optional<int> PaceOffset(double p400);

// The pace-versus-distance graph of the state's curve, drawn over what the canvas already holds:
// labels, grid, pace and percentage scales, axis titles, the distance grid and its markers, the
// legend, a mark for every entered race and the four curves (race pace, record pace, % of
// record pace, performance level). Reads graphScale (1-4; anything else draws the log scale),
// graphUnits ("m" metric, otherwise English) and the main window's comparison level bar
// (comparisonScroll, tenths of a per cent). Leaves curDist at the last distance plotted and
// perfLevel at the level of the last point. The race marks and curves are clipped to the plot's
// rectangle. At comparison level 0 (no pace can be solved for) the record pace and % of record
// pace curves are left out and a note in the legend says why. When the pace
// axis cannot be placed, nothing is drawn, the notifier says so and the result is false.
bool DrawPaceGraph(ModelState& state, int comparisonScroll, Canvas& canvas, Notifier& notifier);

// The title line printed above the graph: "Pace versus distance: " the runner's name and the
// date ("Joe Runner, 2026-12-06").
std::string GraphTitleLine(const std::string& runnerName, const std::string& date);

}  // namespace kestrova
