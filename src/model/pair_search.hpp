#pragma once

#include <vector>

#include "model/model_state.hpp"

namespace kestrova {

// A pair of races whose curve, anchored on the first race and slowed until it is no faster
// than the second, undercuts or meets every other race.
struct RacePair {
    double firstTime = 0.0;  // adjusted time of the first race
    double firstDist = 0.0;
    double secondDist = 0.0;
    double aerobicPower = 0.0;
    double firstEnergy = 0.0;
};

// Every valid pair of races 1..n in search order (first race ascending, then second race);
// sets pairCount.
std::vector<RacePair> FindValidPairs(ModelState& state, int n);

}  // namespace kestrova
