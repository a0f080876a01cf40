#include "model/curve_fit.hpp"

#include <cstddef>
#include <vector>

#include "model/pace_model.hpp"
#include "model/pair_search.hpp"
#include "model/record_curve.hpp"
#include "model/single_race_estimate.hpp"

namespace kestrova {
namespace {

struct Estimates {
    double bestPower = 0.0;  // the highest single-race power
    int strongest = 1;       // the race that gave it
    int reference = 1;       // the race that beats its curve by the widest margin
};

void AnchorCurve(ModelState& state, int i, double power) {
    state.refDist = state.raceDist[i];
    state.aerobicPower = power;
    state.anaerobicEnergy =
        RaceEnergy(state.raceDist[i], state.adjTime[i]) - state.adjTime[i] * power;
}

// The race whose entered time beats the strongest estimate's curve by the widest margin.
int ChooseReferenceRace(ModelState& state, int n, int strongest, double bestPower) {
    double minRatio = 999.0;
    int pick = strongest;
    for (int k = 1; k <= n; ++k) {
        AnchorCurve(state, strongest, bestPower);
        const double ratio = state.raceTime[k] / PredictedRaceTime(state, state.raceDist[k]);
        if (ratio < minRatio) {
            minRatio = ratio;
            pick = k;
        }
    }
    return pick;
}

// The per-race pass: each race's level, and with `estimate` its single-race estimate.
Estimates RunPerRacePass(ModelState& state, int n, bool estimate) {
    std::vector<double> levels(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const double d = state.raceDist[i];
        state.curDist = d;
        state.refDist = d;
        const double record = TimeAtLevel(state, state.sex, 1.0, d, 1.0);
        state.perfLevel = PerformanceLevelOf(state, record / state.raceTime[i], d, state.sex);
        levels[static_cast<std::size_t>(i)] = state.perfLevel;
    }
    Estimates result;
    if (!estimate || n < 1) {
        return result;
    }
    const std::vector<double> powers = EstimateEachRace(state, n, levels);
    bool found = false;
    for (int i = 1; i <= n; ++i) {
        const double power = powers[static_cast<std::size_t>(i)];
        if (power > result.bestPower) {
            result.bestPower = power;
            result.strongest = i;
            found = true;
        }
    }
    if (!found) {
        result.bestPower = state.aerobicPower;
    }
    result.reference = ChooseReferenceRace(state, n, result.strongest, result.bestPower);
    return result;
}

void BlendWithPairs(ModelState& state, int n, const Estimates& estimates,
                    const std::vector<RacePair>& pairs) {
    double weightedPower = 0.0;
    double weights = 0.0;
    for (const RacePair& pair : pairs) {
        const double weight = pair.secondDist / pair.firstDist;
        weightedPower += weight * pair.aerobicPower;
        weights += weight;
    }
    const double pairPower = weightedPower / weights;
    const double difference = pairPower - estimates.bestPower;
    const double sign = difference > 0.0 ? 1.0 : (difference < 0.0 ? -1.0 : 0.0);
    const double w = (n + sign) / 2.0;
    AnchorCurve(state, estimates.reference, (estimates.bestPower + w * pairPower) / (w + 1.0));
}

}  // namespace

void FitCurve(ModelState& state, int n, FitMode mode) {
    const bool estimate = mode == FitMode::AllData || n == 1;
    Estimates estimates = RunPerRacePass(state, n, estimate);
    if (n == 1) {
        AnchorCurve(state, 1, estimates.bestPower);
        return;
    }
    const std::vector<RacePair> pairs = FindValidPairs(state, n);
    if (pairs.empty()) {
        if (!estimate) {
            estimates = RunPerRacePass(state, n, true);
        }
        AnchorCurve(state, estimates.strongest, estimates.bestPower);
        return;
    }
    if (mode == FitMode::BestTwo) {
        const RacePair& chosen = pairs.front();
        state.refDist = chosen.firstDist;
        state.aerobicPower = chosen.aerobicPower;
        state.anaerobicEnergy = chosen.firstEnergy - chosen.firstTime * chosen.aerobicPower;
        return;
    }
    BlendWithPairs(state, n, estimates, pairs);
}

}  // namespace kestrova
