#pragma once

#include <optional>

namespace kestrova {

// The equal-effort model for inclines. Effort is the net metabolic power of PowerUsedNet: two
// ways of running take the same effort when they need the same power. Slopes are rise per
// distance along the surface (the sine of the angle; negative downhill), speeds m/s. The body
// mass cancels out, so nothing here depends on the runner's weight.
//
// Both functions search step by step with a hard limit on passes. When no equal-effort speed
// exists (the search walks into negative speeds, where the power has no value, or does not end
// within its limit), they return nothing; callers show that as a placeholder, never as a number.
//
// A slope of exactly -0.25, where the climbing factor 2.5 + 10 s is 0, is computed as -0.2503.
// The slope is taken by reference and that change is written back, so a caller that goes on using
// its slope variable uses -0.2503 too.

// Where the speed being matched is run.
enum class EffortGround {
    Outdoors,       // on the road, with air resistance
    TreadmillBelt,  // on a treadmill belt at that speed: no air resistance
};

// A grade given as rise per horizontal distance turned into the model's slope along the surface:
// g / (1 + g^2)^0.5.
double SlopeAlongSurface(double horizontalGrade);

// The speed on flat ground outdoors that needs the same power as running at `speed` on `slope`
// (on a treadmill: the belt speed at that incline). Searches in steps of 0.05 m/s from the speed
// (from 0.5 m/s below it on a treadmill) and interpolates inside the last step. On flat ground
// outdoors the result is the speed itself.
std::optional<double> FlatEquivalentSpeed(double& slope, double speed,
                                          EffortGround ground = EffortGround::Outdoors);

// The speed on `slope` that needs the same power as `flatSpeed` on flat ground outdoors: the
// inverse of FlatEquivalentSpeed, found by damped steps that stop at the first speed whose flat
// equivalent lies on the far side of flatSpeed. Slope 0 gives flatSpeed itself. Climbs steeper
// than about 0.46 at slow speeds overshoot into negative speeds: no answer. On descents steeper
// than -0.25, where the climbing term turns positive again, the stopping test can hold at once;
// the result is then what that first step gives.
std::optional<double> SlopeSpeedForEffort(double& slope, double flatSpeed);

}  // namespace kestrova
