#pragma once

#include "model/fitted_curve.hpp"

namespace kestrova {

// Far more passes than the search needs on any fitted curve (it closes in on the target within
// about twenty); it only stops a search on a curve that never reaches the target.
inline constexpr int kDurationSearchPasses = 1000;

struct DurationSearch {
    double distance = 0.0;  // the last distance, updated once more after the time that ended it
    int passes = 0;         // curve evaluations made
    bool reached = false;   // false when the pass limit stopped the search
};

// The distance (m) the runner's curve covers in `target` seconds, searched from `startDistance`.
// `time` carries the time of the previous pass from one search to the next, as the analysis
// chains its searches: a search ends as soon as it is within 1 s of the target (even before its
// first pass), and leaves the time of its last pass there.
DurationSearch DistanceForDuration(const FittedCurve& curve, double target, double startDistance,
                                   double& time);

}  // namespace kestrova
