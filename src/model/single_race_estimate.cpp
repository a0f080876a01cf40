#include "model/single_race_estimate.hpp"

#include <cmath>

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

// The level of the state's curve at d against the record, with curDist set to d.
double LevelOfCurveAt(ModelState& state, double d) {
    const double time = PredictedTimeAt(state, d);
    const double record = TimeAtLevel(state, state.sex, 1.0, d, 1.0);
    return PerformanceLevelOf(state, record / time, d, state.sex);
}

// The training volume (miles per week) typical of the current level at the best distance.
double TrainingNeed(const ModelState& state, double bestKm) {
    double need = 35.0 * std::pow(state.perfLevel, 2.2) * std::log(bestKm + 1.1);
    if (state.sex == "f") {
        need = 0.8 * need;
    }
    return need;
}

double BestDistanceAtAge27(ModelState& state) {
    const double age = state.age;
    state.age = 27.0;
    const double bestKm = EstimateBestDistance(state);
    state.age = age;
    return bestKm;
}

// Slows the trial pace from the race's level until the curve is specialised enough, fast enough,
// or asks more training than the runner does (W).
void EstimateAerobicPower(ModelState& state, int i, double trainingAllowance) {
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
        const double t800 = PredictedTimeAt(state, 800.0);
        const double t5000 = PredictedTimeAt(state, 5000.0);
        state.specIndex = SpecializationIndex(t5000, t800);
        const double need = TrainingNeed(state, BestDistanceAtAge27(state));
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
    double bestDist = 1000.0 * std::exp(14.6 - 10.83 * index);
    if (index < 1.15) {
        const double extra = 120.0 * (1.15 - index);
        bestDist += 1000.0 * extra * extra;
    }
    state.perfLevel = LevelOfCurveAt(state, bestDist);
    state.specIndexAdj = std::pow(index, state.perfLevel / 0.9);
    double bestKm = std::exp(14.6 - 10.83 * state.specIndexAdj);
    if (state.specIndexAdj < 1.15) {
        const double extra = 120.0 * (1.15 - state.specIndexAdj);
        bestKm += extra * extra;
    }
    return bestKm;
}

void SingleRaceEstimate(ModelState& state, int i) {
    state.ageTerm = std::pow(std::fabs(state.age - 18.0), 1.5) / 24.0;
    const double trainingAllowance = state.weeklyMiles + state.ageTerm;
    state.refDist = state.raceDist[i];
    EstimateAerobicPower(state, i, trainingAllowance);
    for (int repeat = 0; repeat < 2; ++repeat) {
        state.perfLevel = LevelOfCurveAt(state, 2000.0);
        EstimateAerobicPower(state, i, trainingAllowance);
    }
}

}  // namespace kestrova
