#pragma once

#include "model/fitted_curve.hpp"

namespace kestrova {

// The runner's two-parameter energy curve. Running at v m/s costs 140 + 60 v^2 per second; the
// energy of a race equals aerobicPower * t plus anaerobicEnergy scaled by (d / refDist)^0.65.

// The cost per second of running at `speed` m/s, in the curve's power units: 140 + 60 v^2.
double RunningPower(double speed);

// The speed (m/s) whose running cost is `power`, the inverse of RunningPower: the speed a curve
// of that aerobicPower can hold for ever. NaN below 140.
double SpeedForPower(double power);

// The energy spent running d metres in t seconds.
double RaceEnergy(double d, double t);

// The curve's model-scale speed at distance d (the larger root of the energy balance); NaN when
// the balance has no real solution or d is not positive.
double ModelScaleSpeed(double anaerobicEnergy, double aerobicPower, double refDist, double d);

// The same root when the anaerobic energy has already been scaled to d, as a search that
// evaluates one distance many times does: scaledEnergy = anaerobicEnergy * (d / refDist)^0.65.
double ModelScaleSpeedScaled(double scaledEnergy, double aerobicPower, double d);

// The inverse adjustments at one distance, worked out once for a search that predicts the same
// distance on many curves: the long-distance fade (beyond 9000 m), the middle-distance bump and
// the sprint correction (under 100 m).
struct InverseAdjustments {
    bool fades = false;
    double fadeFactor = 1.0;
    bool bumps = false;
    double bumpDivisor = 1.0;
    bool sprints = false;
    double sprintCorrection = 0.0;
};
InverseAdjustments InverseAdjustmentsAt(double d, double fadeCoef);

// The race time of a model-scale time, with the adjustments of its distance.
double RaceTimeFromModelTime(const InverseAdjustments& adjustments, double modelTime,
                             double timeOffset);

// One distance predicted on curves that share refDist, fadeCoef and timeOffset and differ only in
// their power and energy, as the single-race estimate evaluates 800 m and 5000 m on every pass.
struct FixedDistance {
    double d = 0.0;
    double energyScale = 0.0;  // (d / refDist)^0.65
    InverseAdjustments adjustments;
};
FixedDistance PrepareFixedDistance(const FittedCurve& curve, double d);

// The same race time as PredictedRaceTime at that distance on the curve.
double PredictedRaceTime(const FittedCurve& curve, const FixedDistance& distance);

// Turns a model-scale speed at d into a race time: the inverse of the adjustments Calculate
// applies to entered times (long-distance fade, start allowance, middle-distance bump, sprint
// correction), in reverse order.
double ModelTimeFromSpeed(double d, double speed, double fadeCoef, double timeOffset);

// The runner's predicted race time (s) at d on the given curve.
double ModelTime(double anaerobicEnergy, double aerobicPower, double refDist, double d,
                 double fadeCoef, double timeOffset);

// A prediction at one distance on a curve.
struct Prediction {
    double modelTime = 0.0;  // on the adjusted (model) scale
    double raceTime = 0.0;   // predicted race time
    double speed = 0.0;      // distance / raceTime
    double pacePerMile = 0.0;
    double pacePerKm = 0.0;
    double pacePer400 = 0.0;
};
Prediction PredictTime(const FittedCurve& curve, double d);

// The runner's predicted race time at d on the curve.
double PredictedRaceTime(const FittedCurve& curve, double d);

// The curve's model-scale time at d (before the inverse adjustments).
double ModelScaleTime(const FittedCurve& curve, double d);

}  // namespace kestrova
