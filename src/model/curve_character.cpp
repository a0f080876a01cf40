#include "model/curve_character.hpp"

#include <cmath>

#include "model/pace_model.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

// The guess shared by both estimates: exp(14.6 - 10.83 x), plus a term that grows quickly for
// indexes under 1.15 (sprinters), scaled by `scale` (1000 for metres, 1 for kilometres).
double BestDistanceGuess(double index, double scale) {
    double guess = scale * std::exp(14.6 - 10.83 * index);
    if (index < 1.15) {
        const double extra = 120.0 * (1.15 - index);
        guess = guess + scale * (extra * extra);
    }
    return guess;
}

}  // namespace

double SpecializationIndex(double t5000, double t800) {
    return 0.16 * t5000 / t800;
}

void SetSpecializationFromCurve(ModelState& state) {
    state.pred800 = PredictedRaceTime(state, 800.0);
    state.pred5000 = PredictedRaceTime(state, 5000.0);
    state.specIndex = SpecializationIndex(state.pred5000, state.pred800);
}

double LevelAtDistance(const FittedCurve& curve, double d) {
    const double time = PredictedRaceTime(curve, d);
    return LevelOfPredictedTime(curve, d, time, RecordTimeAt(curve, d));
}

double RecordTimeAt(const FittedCurve& curve, double d) {
    return TimeAtLevel(curve, curve.sex, 1.0, d, 1.0);
}

double LevelOfPredictedTime(const FittedCurve& curve, double d, double predicted, double record) {
    return PerformanceLevelOf(curve, record / predicted, d, curve.sex);
}

double FirstBestDistanceGuess(double index) {
    return BestDistanceGuess(index, 1000.0);
}

double RefinedBestDistanceGuess(double adjustedIndex) {
    return BestDistanceGuess(adjustedIndex, 1.0);
}

double TrainingVolumeForLevel(double level, double bestKm, std::string_view sex) {
    double miles = std::pow(level, 2.2) * 35.0 * std::log(1.1 + bestKm);
    if (sex == "f") {
        miles = miles * 0.8;
    }
    return miles;
}

}  // namespace kestrova
