#include "model/pair_search.hpp"

#include "model/distance_unit.hpp"
#include "model/pace_model.hpp"

namespace kestrova {
namespace {

constexpr double kStartPace = 270.0;  // seconds per mile
constexpr double kSlowestPace = 1200.0;
// The pace steps aim just past the second race, so a few dozen passes reach it; the cap only
// stops a search on a curve that cannot be evaluated.
constexpr int kPairSearchPasses = 10000;

// Sets the state's curve through race i with the power of the given pace.
void SetCurveThrough(ModelState& state, int i, double pacePerMile) {
    const double speed = kMetersPerMile / pacePerMile;
    const double power = 140.0 + 60.0 * speed * speed;
    state.aerobicPower = power;
    state.anaerobicEnergy =
        RaceEnergy(state.raceDist[i], state.adjTime[i]) - state.adjTime[i] * power;
}

// Slows the curve through race i until it is no faster than race j at race j's distance.
void SlowCurveToMeet(ModelState& state, int i, int j) {
    const double dj = state.raceDist[j];
    const double tj = state.adjTime[j];
    double pace = kStartPace;
    for (int pass = 0; pass < kPairSearchPasses; ++pass) {
        SetCurveThrough(state, i, pace);
        const double modelTime = ModelScaleTimeAt(state, dj);
        const bool faster = modelTime < tj;
        if (faster) {
            pace += 1000.0 * (tj + 0.2 - modelTime) / dj;
        }
        if (!faster || pace > kSlowestPace) {
            return;
        }
    }
}

bool CurveMeetsOtherRaces(ModelState& state, int n, int i, int j) {
    for (int k = 1; k <= n; ++k) {
        if (k != i && k != j && ModelScaleTimeAt(state, state.raceDist[k]) > state.adjTime[k]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<RacePair> FindValidPairs(ModelState& state, int n) {
    std::vector<RacePair> pairs;
    state.pairCount = 0;
    for (int i = 1; i <= n - 1; ++i) {
        state.refDist = state.raceDist[i];
        for (int j = i + 1; j <= n; ++j) {
            SlowCurveToMeet(state, i, j);
            if (!CurveMeetsOtherRaces(state, n, i, j)) {
                continue;
            }
            state.pairCount += 1;
            pairs.push_back({state.adjTime[i], state.raceDist[i], state.raceDist[j],
                             state.aerobicPower, RaceEnergy(state.raceDist[i], state.adjTime[i])});
        }
    }
    return pairs;
}

}  // namespace kestrova
