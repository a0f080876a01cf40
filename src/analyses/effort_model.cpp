#include "analyses/effort_model.hpp"

#include <algorithm>
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
// The flat search checks a block of steps at its end before walking it.
constexpr int kFlatStepsPerBlock = 8;

constexpr double kBalancedSlope = -0.25;
constexpr double kBalancedSlopeUsed = -0.2503;

// Net power on flat ground outdoors.
double FlatPower(double speed) {
    return PowerUsedNet(speed, kReferenceMassKg, 0.0, 1.0);
}

// Whether the flat power after a step ends the search: it has passed the target power in the
// direction of the step, or there is no power there (a negative speed).
bool EndsFlatSearch(double after, double power, double step) {
    return std::isnan(after) || (step > 0.0 ? after > power : after < power);
}

// Walks `steps` steps from `speed` and returns the speed inside the step that ends the search,
// interpolated, or nothing when the power ran out there; `ended` is false when no step ends it.
struct FlatWalk {
    bool ended = false;
    std::optional<double> speed;
};

FlatWalk WalkFlatSteps(double power, double speed, double step, int steps) {
    double after = FlatPower(speed);
    for (int k = 0; k < steps; ++k) {
        const double before = after;
        speed += step;
        after = FlatPower(speed);
        if (!EndsFlatSearch(after, power, step)) {
            continue;
        }
        if (std::isnan(after)) {
            return {true, std::nullopt};
        }
        const double result = (speed - step) + step * (power - before) / (after - before);
        return {true, std::isfinite(result) ? std::optional<double>(result) : std::nullopt};
    }
    return {false, std::nullopt};
}

// Steps from `start` by `step` (up or down) until the flat power passes the target `power`,
// then interpolates inside the last step. The steps are taken in blocks: the speed at a block's
// end is reached by the same additions one by one, but only its power is worked out, and only a
// block whose end passes the target is walked step by step. The flat power rises with speed, so
// once a step passes the target every later one does too, and the search ends on the very step
// a walk through every step ends on. Going up from a negative speed (no power there) is walked
// step by step throughout.
std::optional<double> FlatSpeedForPower(double power, double start, double step) {
    double blockStart = start;
    for (int taken = 0; taken < kMaxFlatSearchSteps;) {
        const int steps = std::min(kFlatStepsPerBlock, kMaxFlatSearchSteps - taken);
        double blockEnd = blockStart;
        for (int k = 0; k < steps; ++k) {
            blockEnd += step;
        }
        const bool rising = step < 0.0 || blockStart >= 0.0;
        if (!rising || EndsFlatSearch(FlatPower(blockEnd), power, step)) {
            const FlatWalk walk = WalkFlatSteps(power, blockStart, step, steps);
            if (walk.ended) {
                return walk.speed;
            }
        }
        blockStart = blockEnd;
        taken += steps;
    }
    return std::nullopt;
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
