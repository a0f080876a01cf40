#pragma once

#include <functional>

#include "model/curve_character.hpp"
#include "model/model_state.hpp"

namespace kestrova {

// Limits of the peak search: it stops once a step leaves 5 m ... 250 km.
inline constexpr double kPeakSearchShortest = 5.0;
inline constexpr double kPeakSearchLongest = 250000.0;
// More steps than the 10 % steps between the two limits can take (about 115).
inline constexpr int kPeakSearchSteps = 1000;
// A first peak beyond this (km) is checked by a second search down from 100 km.
inline constexpr double kSecondSearchAboveKm = 9.0;
inline constexpr double kSecondSearchStart = 100000.0;

struct PeakSearch {
    double peakKm = 0.0;
    int steps = 0;  // 10 % steps taken
};

// Walks from `start` (m) in 10 % steps in the direction in which the level rises until it falls,
// and places the peak between the last two distances by their rises. `level` gives the level at a
// distance. A level that does not change between start / 1.1, start and start * 1.1 puts the
// peak at start; a level that never falls puts it where the walk left the 5 m ... 250 km range.
PeakSearch SearchLevelPeak(const std::function<double(double)>& level, double start);

// The runner's likely best race distance (km) for the index (callers pass specIndex): the peak of
// the level curve found from the refined guess, and when that lies beyond 9 km, the geometric mean
// with the peak found from 100 km. Sets perfLevel (the level at the first guess), specIndexAdj
// and bestDistGuess.
double FindBestDistance(ModelState& state, double index);

}  // namespace kestrova
