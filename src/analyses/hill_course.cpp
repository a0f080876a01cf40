#include "analyses/hill_course.hpp"

#include <cmath>

#include "analyses/effort_model.hpp"
#include "model/bounded_search.hpp"
#include "model/pace_model.hpp"

namespace kestrova {
namespace {

constexpr double kSettledRatio = 0.001;

double RaceTimeAtSpeed(const ModelState& state, double d, double speed) {
    return ModelTimeFromSpeed(d, speed, state.fadeCoef, state.timeOffset);
}

}  // namespace

double BaseSpeed(const ModelState& state, double D) {
    return ModelScaleSpeed(state.anaerobicEnergy, state.aerobicPower, state.refDist, D);
}

HillRace SolveConstantSlope(ModelState& state, double& slope, double d) {
    HillRace race;
    race.flatDistance = d;
    state.curDist = d;
    double flatSpeed = BaseSpeed(state, d);
    double flatTime = RaceTimeAtSpeed(state, d, flatSpeed);
    std::optional<double> hillSpeed = SlopeSpeedForEffort(slope, flatSpeed);
    if (!hillSpeed) {
        race.outcome = HillOutcome::NoEffort;
        return race;
    }
    double hillTime = RaceTimeAtSpeed(state, d, *hillSpeed);
    const BoundedLoop loop = RunBounded(kMaxHillPasses, [&] {
        race.flatDistance *= 0.5 + 0.5 * hillTime / flatTime;
        state.curDist = race.flatDistance;
        flatSpeed = BaseSpeed(state, race.flatDistance);
        flatTime = RaceTimeAtSpeed(state, race.flatDistance, flatSpeed);
        state.curDist = d;
        hillSpeed = SlopeSpeedForEffort(slope, flatSpeed);
        if (!hillSpeed) {
            return true;
        }
        hillTime = RaceTimeAtSpeed(state, d, *hillSpeed);
        // A ratio that is not a number never settles: the pass limit ends it.
        return std::fabs(hillTime / flatTime - 1.0) < kSettledRatio;
    });
    race.passes = loop.passes;
    if (!hillSpeed) {
        race.outcome = HillOutcome::NoEffort;
    } else if (loop.finished && std::isfinite(hillTime)) {
        race.outcome = HillOutcome::Settled;
        race.time = hillTime;
    }
    return race;
}

}  // namespace kestrova
