#pragma once

#include <optional>
#include <string>

#include "analyses/any_distance_inputs.hpp"
#include "analyses/hill_course.hpp"
#include "analyses/pacing_strategy.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/prediction_table.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The special information window's answers for one distance of the user's choosing: the level
// time line (Text4) and, on request, the uneven-splits table, the constant-slope line (Text5) or
// the half up/half down table.

inline constexpr const char* kSpecialDistanceMessage =
    "Enter a distance greater than 0: a number in the Number box and a unit (the marathon and "
    "half marathon need no number).";
inline constexpr const char* kSpecialSlopeMessage =
    "The slope must be a number between -1 and 1 (rise per distance along the surface, negative "
    "for downhill).";
inline constexpr const char* kSpecialNoTimeMessage = "Your curve gives no time for this distance.";
inline constexpr const char* kSlopeBeyondModelMessage =
    "This slope is outside what the effort model can answer at this race's paces. Try a gentler "
    "slope.";
inline constexpr const char* kHillNotSettledMessage =
    "The time on this slope did not settle, so none is given. Try a gentler slope.";
inline constexpr const char* kSplitCurveMessage =
    "Your curve gives no sensible range of half paces at this distance (the slowest half would "
    "not be slower than even pacing), so no strategy table can be made.";

// What a calculation gave the window.
struct SpecialResult {
    bool computed = false;         // false when the inputs were refused: nothing changed
    bool paceSwitchShown = false;  // Command4 enabled and Label8 shown (the two tables)
    SpecialAnalysis analysis = SpecialAnalysis::LevelOnly;
    double distance = 0.0;  // d, metres
    double slope = 0.0;     // as computed with
    PredictionRow level;    // the level line's figures
    std::string Text4;
    std::optional<HillRace> hill;
    // The new Text5 after a constant-slope analysis (empty when it has no answer); nothing when
    // Text5 keeps what it shows.
    std::optional<std::string> Text5;
    std::optional<PacingTable> table;
};

// The two result lines: the level line and the constant-slope (hill) line.
enum class SpecialLine { Level, Hill };

// The column heading over a result line: "Time", "Per Mi", "Per km", "Per 400", "Record" and, over
// the level line, "%Spd" and "P.Level", each word ending in the character column where its
// figure's last digit stands.
std::string SpecialHeadingText(SpecialLine line);

// The level line: "  " time, per mile, per km, per 400, the comparison time, the speed in per
// cent of the comparison level and the performance level, the two per cents ending under the
// ends of their heading words. With a comparison level of 0 the comparison time is 10 blanks and
// the per cent of its speed is left out.
std::string LevelLineText(const PredictionRow& level);

// The hill line: the hill time, its three paces and the comparison time of the level line.
std::string HillLineText(double hillTime, const PredictionRow& level);

// "Calculate" of the window. Refuses (with a message, changing nothing) a distance that is not
// above 0, and a slope whose magnitude is not below 1 for the two hill analyses. Otherwise it
// clears the canvas, computes the level line at comparisonLevel (a fraction; the main window's
// comparison bar / 1000), keeps the inputs in memory and runs the chosen analysis: the tables are
// printed on `canvas` from their header on. Leaves curDist at d (d / 2 after a table) and
// perfLevel at the level of d.
SpecialResult CalculateSpecial(ModelState& state, const SpecialFormInputs& inputs,
                               double comparisonLevel, SpecialFormMemory& memory, TextSink& canvas,
                               Notifier& notifier);

}  // namespace kestrova
