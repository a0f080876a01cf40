#pragma once

#include <vector>

#include "model/model_state.hpp"

namespace kestrova {

// The curve estimated from each race alone (slots 1..n of the state's race lists), from the
// race's performance level (raceLevels[i]), the weekly training and the age: each race's curve is
// anchored on the race, and its aerobic power slowed or quickened pass by pass until the curve is
// specialised enough, fast enough, or asks more training than the runner does; the estimate is
// then made twice more from the curve's level at 2000 m.
//
// Returns each race's aerobic power (index i for race i; index 0 unused). The state is left as
// race n's estimate leaves it: refDist, aerobicPower and anaerobicEnergy of its curve, and
// ageTerm, specIndex, specIndexAdj and perfLevel as its last pass set them.
std::vector<double> EstimateEachRace(ModelState& state, int n,
                                     const std::vector<double>& raceLevels);

}  // namespace kestrova
