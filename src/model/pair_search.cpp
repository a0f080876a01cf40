#include "model/pair_search.hpp"

#include <cmath>

#include "model/distance_unit.hpp"
#include "model/pace_model.hpp"

namespace kestrova {
namespace {

constexpr double kStartPace = 270.0;  // seconds per mile
constexpr double kSlowestPace = 1200.0;
// Every pass that does not end the search slows the pace by more than 1000 * 0.2 / dj s per mile,
// so the search ends within (1200 - 270) * dj / 200 passes: races of equal distance, whose pace
// grows by that least step, need about 196 000 passes at the marathon. The ceiling only stops a
// search on races thousands of kilometres long.
constexpr double kLeastStepTime = 0.2;
constexpr long long kPairSearchCeiling = 25'000'000;

long long PairSearchPasses(double dj) {
    const double guaranteed = (kSlowestPace - kStartPace) * dj / (1000.0 * kLeastStepTime) + 2.0;
    if (!(guaranteed < static_cast<double>(kPairSearchCeiling))) {
        return kPairSearchCeiling;
    }
    return static_cast<long long>(guaranteed);
}

// Sets the state's curve through race i (its time ti and energy ei) with the power of the given
// pace.
void SetCurveThrough(ModelState& state, double ti, double ei, double pacePerMile) {
    const double power = RunningPower(kMetersPerMile / pacePerMile);
    state.aerobicPower = power;
    state.anaerobicEnergy = ei - ti * power;
}

// Slows the curve through race i until it is no faster than race j at race j's distance.
void SlowCurveToMeet(ModelState& state, int i, int j) {
    const double dj = state.raceDist[j];
    const double tj = state.adjTime[j];
    double pace = kStartPace;
    const long long passes = PairSearchPasses(dj);
    // Only the curve's power changes from pass to pass: the distance scaling is worked out once,
    // and only the model-scale time is needed, not the race time.
    const double distanceScale = std::pow(dj / state.refDist, 0.65);
    const double ti = state.adjTime[i];
    const double ei = RaceEnergy(state.raceDist[i], ti);
    state.curDist = dj;
    for (long long pass = 0; pass < passes; ++pass) {
        SetCurveThrough(state, ti, ei, pace);
        const double speed =
            ModelScaleSpeedScaled(state.anaerobicEnergy * distanceScale, state.aerobicPower, dj);
        const double modelTime = dj / speed;
        const bool faster = modelTime < tj;
        if (faster) {
            pace += 1000.0 * (tj + kLeastStepTime - modelTime) / dj;
        }
        if (!faster || pace > kSlowestPace) {
            return;
        }
    }
}

bool CurveMeetsOtherRaces(ModelState& state, int n, int i, int j) {
    for (int k = 1; k <= n; ++k) {
        if (k != i && k != j && ModelScaleTime(state, state.raceDist[k]) > state.adjTime[k]) {
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
