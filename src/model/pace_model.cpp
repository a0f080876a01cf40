#include "model/pace_model.hpp"

#include <cmath>
#include <limits>

#include "model/distance_unit.hpp"
#include "model/endurance_factor.hpp"
#include "model/middle_distance_bump.hpp"
#include "model/time_adjustment.hpp"

namespace kestrova {

double RunningPower(double speed) {
    return 140.0 + 60.0 * speed * speed;
}

double SpeedForPower(double power) {
    return std::pow((power - 140.0) / 60.0, 0.5);
}

double RaceEnergy(double d, double t) {
    return t * RunningPower(d / t);
}

double ModelScaleSpeed(double anaerobicEnergy, double aerobicPower, double refDist, double d) {
    if (!(d > 0.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return ModelScaleSpeedScaled(anaerobicEnergy * std::pow(d / refDist, 0.65), aerobicPower, d);
}

double ModelScaleSpeedScaled(double scaledEnergy, double aerobicPower, double d) {
    const double discriminant =
        scaledEnergy * scaledEnergy - 4.0 * (60.0 * d) * ((140.0 - aerobicPower) * d);
    if (discriminant < 0.0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return (scaledEnergy + std::sqrt(discriminant)) / 2.0 / (60.0 * d);
}

InverseAdjustments InverseAdjustmentsAt(double d, double fadeCoef) {
    InverseAdjustments a;
    if (d > kFadeStartDistance) {
        a.fades = true;
        a.fadeFactor = EnduranceFactor(d, fadeCoef, 1.0, "");
    }
    a.bumpDivisor = MiddleDistanceBump(d, kPiApprox);
    a.bumps = a.bumpDivisor != 1.0;
    if (d < kShortRaceDistance) {
        a.sprints = true;
        a.sprintCorrection =
            std::pow((kShortRaceDistance - d) / kShortRaceDistance, kShortRaceExponent);
    }
    return a;
}

double RaceTimeFromModelTime(const InverseAdjustments& adjustments, double modelTime,
                             double timeOffset) {
    double t = modelTime;
    if (adjustments.fades) {
        t = t / adjustments.fadeFactor;
    }
    t = t + timeOffset;
    if (adjustments.bumps) {
        t = t / adjustments.bumpDivisor;
    }
    if (adjustments.sprints) {
        t = t - adjustments.sprintCorrection;
    }
    return t;
}

FixedDistance PrepareFixedDistance(const FittedCurve& curve, double d) {
    return {d, std::pow(d / curve.refDist, 0.65), InverseAdjustmentsAt(d, curve.fadeCoef)};
}

double PredictedRaceTime(const FittedCurve& curve, const FixedDistance& distance) {
    const double d = distance.d;
    if (!(d > 0.0)) {
        return ModelTimeFromSpeed(d, std::numeric_limits<double>::quiet_NaN(), curve.fadeCoef,
                                  curve.timeOffset);
    }
    const double speed =
        ModelScaleSpeedScaled(curve.anaerobicEnergy * distance.energyScale, curve.aerobicPower, d);
    return RaceTimeFromModelTime(distance.adjustments, d / speed, curve.timeOffset);
}

double ModelTimeFromSpeed(double d, double speed, double fadeCoef, double timeOffset) {
    return RaceTimeFromModelTime(InverseAdjustmentsAt(d, fadeCoef), d / speed, timeOffset);
}

double ModelTime(double anaerobicEnergy, double aerobicPower, double refDist, double d,
                 double fadeCoef, double timeOffset) {
    const double speed = ModelScaleSpeed(anaerobicEnergy, aerobicPower, refDist, d);
    return ModelTimeFromSpeed(d, speed, fadeCoef, timeOffset);
}

Prediction PredictTime(const FittedCurve& curve, double d) {
    Prediction p;
    const double modelSpeed =
        ModelScaleSpeed(curve.anaerobicEnergy, curve.aerobicPower, curve.refDist, d);
    p.modelTime = d / modelSpeed;
    p.raceTime = ModelTimeFromSpeed(d, modelSpeed, curve.fadeCoef, curve.timeOffset);
    p.speed = d / p.raceTime;
    p.pacePerMile = kMetersPerMile / p.speed;
    p.pacePerKm = 1000.0 / p.speed;
    p.pacePer400 = 400.0 / p.speed;
    return p;
}

double PredictedRaceTime(const FittedCurve& curve, double d) {
    return ModelTime(curve.anaerobicEnergy, curve.aerobicPower, curve.refDist, d, curve.fadeCoef,
                     curve.timeOffset);
}

double ModelScaleTime(const FittedCurve& curve, double d) {
    return d / ModelScaleSpeed(curve.anaerobicEnergy, curve.aerobicPower, curve.refDist, d);
}

}  // namespace kestrova
