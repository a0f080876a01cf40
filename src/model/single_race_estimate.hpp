#pragma once

#include "model/model_state.hpp"

namespace kestrova {

// The curve estimated from one race (slot i of the state's race lists), its performance level,
// the weekly training and the age: sets aerobicPower and anaerobicEnergy (anchored on race i),
// and leaves ageTerm, specIndex, specIndexAdj and perfLevel as its last step set them.
// Reads the level of race i from perfLevel.
void SingleRaceEstimate(ModelState& state, int i);

// The best race distance (km) that the state's specialization index suggests; sets perfLevel
// (the level at that distance) and specIndexAdj.
double EstimateBestDistance(ModelState& state);

}  // namespace kestrova
