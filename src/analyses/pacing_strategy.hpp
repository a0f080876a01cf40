#pragma once

#include <string>
#include <vector>

#include "analyses/table_cells.hpp"
#include "model/model_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The two strategy tables of the special information window: ways of running the two halves of
// a race of d metres, from even pacing (or even effort) towards the fastest first half the
// runner could manage. Paces inside are seconds per mile, speeds m/s.

enum class PacingCourse {
    UnevenSplits,    // mode "n": both halves on the level
    HalfUpHalfDown,  // mode "r": the first half climbs at slope s, the second descends at -s
};

// The split curve: the level-equivalent paces p1, p2 of the two halves lie on the hyperbola
// (p1 - c)(p2 - c) = (p0 - c)^2 through the even point (p0, p0) and through (pFast, pSlow).
struct SplitCurve {
    double raceTime = 0.0;  // T: the level race of d metres
    double p0 = 0.0;        // even pace of the whole race
    double pFast = 0.0;     // the pace of a race half as long: the fastest half
    double pSlow = 0.0;     // the slowest half
    double c = 0.0;
    double q = 0.0;

    // Whether the constants describe a curve the table can walk: all finite, pSlow above p0.
    // They are not when the curve's aerobicPower is 140 or less (the speed it tends to for very
    // long races is then not a real number).
    bool Usable() const;
};

// The split constants of the curve for a race of d metres (it evaluates d, then d / 2).
SplitCurve ComputeSplitCurve(const FittedCurve& curve, double d);

// One strategy: time, actual pace and level-equivalent pace of each half, per mile.
struct PacingRow {
    double t1 = 0.0, a1 = 0.0, p1 = 0.0;
    double t2 = 0.0, a2 = 0.0, p2 = 0.0;
    double total = 0.0;
    double off = 0.0;  // against the flat even-pace time
};

// How the table ended.
enum class PacingEnd {
    Finished,  // the first half reached the fastest half pace
    RowLimit,  // the curve would give more rows than kMaxPacingRows
    NoEffort,  // the slope is outside what the effort model can answer
};

inline constexpr int kMaxPacingRows = 300;

struct PacingTable {
    PacingCourse course = PacingCourse::UnevenSplits;
    double slope = 0.0;
    SplitCurve curve;
    std::vector<PacingRow> rows;
    PacingEnd end = PacingEnd::Finished;
};

// The rows of the table on a usable curve, first even pacing (even effort on the hill course):
// p1 = p2 = p0, then the first half 3 s per mile faster each row (slower when it descends) until
// it, or the second half, would be faster than pFast. On the flat the slope is 0.
PacingTable ComputePacingTable(const SplitCurve& curve, PacingCourse course, double slope,
                               double d);

inline constexpr const char* kUnevenSplitsHeader =
    "   Fastest half   Pace     Slowest half   Pace       Race time   Off best by";
inline constexpr const char* kHalfUpHalfDownHeader =
    "  1st half  Pace  = Level  2nd half    Pace  = Level     Time   Off flat by";
inline constexpr const char* kPacingRowLimitLine = "  (The table stops after 300 rows.)";

// Writes the table from its header on: the header, an empty line and a line per row, with its
// paces per mile or per kilometre; a table stopped by the row limit ends with a line saying so.
void PrintPacingTable(const PacingTable& table, PaceUnit unit, TextSink& sink);

}  // namespace kestrova
