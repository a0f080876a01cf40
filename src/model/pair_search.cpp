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

// The search of one pair (races i and j): the curve through race i, slowed pass by pass until it
// is no faster than race j at race j's distance.
struct PairCurve {
    double firstTime = 0.0;    // ti
    double firstEnergy = 0.0;  // Ei
    double secondDist = 0.0;   // dj
    double secondTime = 0.0;   // tj
    // Only the curve's power changes from pass to pass: the distance scaling is worked out once,
    // and only the model-scale time is needed, not the race time.
    double distanceScale = 1.0;
    double pace = kStartPace;
    long long passesLeft = 0;
    double power = 0.0;   // the curve of the last power formed
    double energy = 0.0;  // and its anaerobic energy
};

PairCurve StartPairCurve(const ModelState& state, int i, int j) {
    PairCurve curve;
    curve.firstTime = state.adjTime[i];
    curve.firstEnergy = RaceEnergy(state.raceDist[i], curve.firstTime);
    curve.secondDist = state.raceDist[j];
    curve.secondTime = state.adjTime[j];
    curve.distanceScale = std::pow(curve.secondDist / state.raceDist[i], 0.65);
    curve.passesLeft = PairSearchPasses(curve.secondDist);
    return curve;
}

// One pass of a pair's search: the curve of the current pace, then the pace slowed in a step
// aimed 0.2 s past race j while the curve is still faster there. True when the search has ended.
bool SlowCurveOnePass(PairCurve& curve) {
    const double dj = curve.secondDist;
    const double tj = curve.secondTime;
    curve.power = RunningPower(kMetersPerMile / curve.pace);
    curve.energy = curve.firstEnergy - curve.firstTime * curve.power;
    const double speed = ModelScaleSpeedScaled(curve.energy * curve.distanceScale, curve.power, dj);
    const double modelTime = dj / speed;
    const bool faster = modelTime < tj;
    if (faster) {
        curve.pace += 1000.0 * (tj + kLeastStepTime - modelTime) / dj;
    }
    curve.passesLeft -= 1;
    return !faster || curve.pace > kSlowestPace || curve.passesLeft <= 0;
}

// The searches of every pair of races 1..n, in search order. Each pair makes exactly the passes
// it would make alone; the pairs still searching take their passes in turn, so that the
// processor works on several independent passes at once instead of waiting on one long chain.
// Every round makes one pass of each pair still searching, so the rounds are bounded by the
// longest pair's passes.
std::vector<PairCurve> SlowCurvesToMeet(const ModelState& state, int n) {
    std::vector<PairCurve> curves;
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            curves.push_back(StartPairCurve(state, i, j));
        }
    }
    std::vector<PairCurve*> searching;
    searching.reserve(curves.size());
    for (PairCurve& curve : curves) {
        searching.push_back(&curve);
    }
    while (!searching.empty()) {
        for (std::size_t k = 0; k < searching.size();) {
            if (SlowCurveOnePass(*searching[k])) {
                searching[k] = searching.back();
                searching.pop_back();
            } else {
                ++k;
            }
        }
    }
    return curves;
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
    const std::vector<PairCurve> curves = SlowCurvesToMeet(state, n);
    std::vector<RacePair> pairs;
    state.pairCount = 0;
    std::size_t next = 0;
    for (int i = 1; i <= n - 1; ++i) {
        state.refDist = state.raceDist[i];
        for (int j = i + 1; j <= n; ++j) {
            // The state holds the pair's curve as its search left it, at race j's distance.
            const PairCurve& curve = curves[next++];
            state.aerobicPower = curve.power;
            state.anaerobicEnergy = curve.energy;
            state.curDist = curve.secondDist;
            if (!CurveMeetsOtherRaces(state, n, i, j)) {
                continue;
            }
            state.pairCount += 1;
            pairs.push_back({curve.firstTime, state.raceDist[i], curve.secondDist, curve.power,
                             curve.firstEnergy});
        }
    }
    return pairs;
}

}  // namespace kestrova
