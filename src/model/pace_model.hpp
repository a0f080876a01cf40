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
