#pragma once

#include "model/model_state.hpp"
#include "model/runner_profile.hpp"

namespace kestrova {

// Fits the runner's curve to races 1..n of the state's race lists (ascending distance, times
// on the model scale): sets aerobicPower, anaerobicEnergy and refDist, and pairCount when n > 1.
//
// Best two: the first pair of races (shortest first) whose curve no other race beats.
// All data: the strongest single-race estimate blended with the distance-weighted average of
// the valid pairs, anchored on the race that beats that estimate by the widest margin.
// When no pair is valid, either mode falls back to the strongest race's single-race estimate.
void FitCurve(ModelState& state, int n, FitMode mode);

}  // namespace kestrova
