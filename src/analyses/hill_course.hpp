#pragma once

#include <optional>

#include "model/model_state.hpp"

namespace kestrova {

// A race on a course that rises (or, with a negative slope, falls) at one slope all the way.
// Slopes are rise per distance along the surface.

// The runner's uncorrected model speed (m/s) for a race of D metres: the larger root of
// 60 D S^2 - A S + (140 - aerobicPower) D = 0 with A = anaerobicEnergy (D / refDist)^0.65, the
// speed the prediction turns into a race time. NaN when the curve has no real answer there.
double BaseSpeed(const ModelState& state, double D);

// How the hill race's time was found, or why it was not.
enum class HillOutcome {
    Settled,     // the flat race and the hill race last equally long, to 0.1 %
    NoEffort,    // the slope is outside what the effort model can answer
    NotSettled,  // the repeat did not settle within its limit of passes
};

struct HillRace {
    HillOutcome outcome = HillOutcome::NotSettled;
    double time = 0.0;          // T_hill, seconds (only when settled)
    double flatDistance = 0.0;  // D: the flat race that lasts as long as the hill race
    int passes = 0;             // passes of the repeat
};

// The most passes the repeat makes; it settles in a handful on every slope a runner can race.
inline constexpr int kMaxHillPasses = 200;

// The race time on d metres of constant slope s. A hill changes the race's duration, and the
// effort a runner can hold depends on the duration, so the effort is taken from a flat race D
// that lasts as long as the hill race: D is moved halfway towards the ratio of the two times
// until they agree to 0.1 %. Leaves curDist at d. The slope is taken by reference, as the effort
// model takes it (-0.25 is computed as -0.2503).
HillRace SolveConstantSlope(ModelState& state, double& slope, double d);

}  // namespace kestrova
