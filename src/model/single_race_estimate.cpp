#include "model/single_race_estimate.hpp"

#include <cmath>

#include "model/curve_character.hpp"
#include "model/distance_unit.hpp"
#include "model/pace_model.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

// Far more passes than any runner's data needs; it only stops a search that cannot end.
constexpr int kPowerEstimatePasses = 100000;

double TrialPower(double pacePerMile) {
    return RunningPower(kMetersPerMile / pacePerMile);
}

double BestDistanceAtAge27(ModelState& state) {
    const double age = state.age;
    state.age = 27.0;
    const double bestKm = EstimateBestDistance(state);
    state.age = age;
    return bestKm;
}

// The two distances of the specialization index, on curves anchored on the race.
struct IndexDistances {
    FixedDistance d800;
    FixedDistance d5000;
};

// Slows the trial pace from the race's level until the curve is specialised enough, fast enough,
// or asks more training than the runner does (W).
void EstimateAerobicPower(ModelState& state, int i, double trainingAllowance,
                          const IndexDistances& index) {
    const double t = state.adjTime[i];
    const double energy = RaceEnergy(state.raceDist[i], t);
    double pace = (900.0 - 150.0 * std::pow(state.weeklyMiles, 0.25)) / state.perfLevel;
    if (pace < 360.0) {
        pace = 360.0;
    }
    for (int pass = 0; pass < kPowerEstimatePasses; ++pass) {
        const double power = TrialPower(pace);
        state.aerobicPower = power;
        state.anaerobicEnergy = energy - t * power;
        const double t800 = PredictedRaceTime(state, index.d800);
        const double t5000 = PredictedRaceTime(state, index.d5000);
        state.specIndex = SpecializationIndex(t5000, t800);
        const double need =
            TrainingVolumeForLevel(state.perfLevel, BestDistanceAtAge27(state), state.sex);
        pace -= 2000.0 * (trainingAllowance + 0.3 - need) /
                (std::sqrt(state.refDist + 500.0) * (state.weeklyMiles + 10.0));
        if (state.specIndex < 1.12 || pace < 270.0 || need > trainingAllowance - 0.1 ||
            std::isnan(pace)) {
            return;
        }
    }
}

}  // namespace

double EstimateBestDistance(ModelState& state) {
    const double index = state.specIndex;
    state.perfLevel = LevelAtDistance(state, FirstBestDistanceGuess(index));
    state.specIndexAdj = std::pow(index, state.perfLevel / 0.9);
    return RefinedBestDistanceGuess(state.specIndexAdj);
}

void SingleRaceEstimate(ModelState& state, int i) {
    state.ageTerm = std::pow(std::fabs(state.age - 18.0), 1.5) / 24.0;
    const double trainingAllowance = state.weeklyMiles + state.ageTerm;
    state.refDist = state.raceDist[i];
    const IndexDistances index{PrepareFixedDistance(state, 800.0),
                               PrepareFixedDistance(state, 5000.0)};
    EstimateAerobicPower(state, i, trainingAllowance, index);
    for (int repeat = 0; repeat < 2; ++repeat) {
        state.perfLevel = LevelAtDistance(state, 2000.0);
        EstimateAerobicPower(state, i, trainingAllowance, index);
    }
}

}  // namespace kestrova
