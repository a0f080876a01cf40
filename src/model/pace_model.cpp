#include "model/pace_model.hpp"

#include <cmath>
#include <limits>

#include "model/distance_unit.hpp"
#include "model/endurance_factor.hpp"
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

double ModelTimeFromSpeed(double d, double speed, double fadeCoef, double timeOffset) {
    double t = d / speed;
    if (d > kFadeStartDistance) {
        t = t / EnduranceFactor(d, fadeCoef, 1.0, "");
    }
    t = t + timeOffset;
    const double logRatio = std::log(d / kBumpCentre);
    if (std::fabs(logRatio) < kBumpHalfWidth) {
        const double bump = std::cos(kPiApprox * logRatio / kBumpPeriod);
        t = t / (1.0 + kBumpHeight * bump * bump);
    }
    if (d < kShortRaceDistance) {
        t = t - std::pow((kShortRaceDistance - d) / kShortRaceDistance, kShortRaceExponent);
    }
    return t;
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
