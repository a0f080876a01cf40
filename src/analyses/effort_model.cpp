#include "analyses/effort_model.hpp"

#include <cmath>

#include "analyses/power_model.hpp"
#include "model/bounded_search.hpp"

namespace kestrova {
namespace {

constexpr double kSearchStep = 0.05;         // m/s per step of the flat-speed search
constexpr double kTreadmillHeadStart = 0.5;  // the belt's search starts this far below it
constexpr double kFirstGuessOffset = 0.003;  // the slope search's start above the flat speed
constexpr double kNudge = 0.001;             // pushes each slope-search step across the target
// 2000 steps of 0.05 m/s cover 100 m/s; the slope search needs a few dozen passes on the steepest
// slopes the tables show.
constexpr int kMaxFlatSearchSteps = 2000;
constexpr int kMaxSlopeSearchPasses = 1000;

constexpr double kBalancedSlope = -0.25;
constexpr double kBalancedSlopeUsed = -0.2503;

// Net power on flat ground outdoors.
double FlatPower(double speed) {
    return PowerUsedNet(speed, kReferenceMassKg, 0.0, 1.0);
}

// Steps from `start` by `step` (up or down) until the flat power passes the target `power`,
// then interpolates inside the last step. Each step starts where the last one ended, so the
// power there is the one already worked out.
std::optional<double> FlatSpeedForPower(double power, double start, double step) {
    double speed = start;
    double before = 0.0;
    double after = FlatPower(speed);
    bool noPower = false;
    const BoundedLoop loop = RunBounded(kMaxFlatSearchSteps, [&] {
        before = after;
        speed += step;
        after = FlatPower(speed);
        noPower = std::isnan(after);
        return noPower || (step > 0.0 ? after > power : after < power);
    });
    if (!loop.finished || noPower) {
        return std::nullopt;
    }
    const double result = (speed - step) + step * (power - before) / (after - before);
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

}  // namespace

double SlopeAlongSurface(double horizontalGrade) {
    return horizontalGrade / std::sqrt(1.0 + horizontalGrade * horizontalGrade);
}

std::optional<double> FlatEquivalentSpeed(double& slope, double speed, EffortGround ground) {
    if (slope == kBalancedSlope) {
        slope = kBalancedSlopeUsed;
    }
    const bool treadmill = ground == EffortGround::TreadmillBelt;
    const double power = PowerUsedNet(speed, kReferenceMassKg, slope, treadmill ? 0.0 : 1.0);
    if (!std::isfinite(power)) {
        return std::nullopt;
    }
    const double start = treadmill ? speed - kTreadmillHeadStart : speed;
    return FlatSpeedForPower(power, start, slope >= 0.0 ? kSearchStep : -kSearchStep);
}

std::optional<double> SlopeSpeedForEffort(double& slope, double flatSpeed) {
    if (slope == 0.0) {
        return flatSpeed;
    }
    const double sign = slope > 0.0 ? 1.0 : -1.0;
    double speed = flatSpeed + kFirstGuessOffset;
    std::optional<double> flat = FlatEquivalentSpeed(slope, speed);
    if (!flat) {
        return std::nullopt;
    }
    const BoundedLoop loop = RunBounded(kMaxSlopeSearchPasses, [&] {
        speed = speed - (*flat - flatSpeed) / 4.0 - sign * kNudge;
        flat = FlatEquivalentSpeed(slope, speed);
        return !flat || (sign > 0.0 ? *flat < flatSpeed : *flat > flatSpeed);
    });
    if (!loop.finished || !flat || !(speed > 0.0)) {
        return std::nullopt;
    }
    return speed;
}

}  // namespace kestrova
