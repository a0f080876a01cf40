#pragma once

namespace kestrova {

// The constants of the adjustment that moves entered race times onto the model's smooth scale
// (the input stage) and back (the prediction, which applies the inverses in reverse order).

// Races shorter than this (m) get ((kShortRaceDistance - d) / kShortRaceDistance) ^
// kShortRaceExponent seconds added: the start's reaction and acceleration.
inline constexpr double kShortRaceDistance = 100.0;
inline constexpr double kShortRaceExponent = 1.7;

// Around kBumpCentre metres (|ln(d / kBumpCentre)| < kBumpHalfWidth) times are multiplied by
// 1 + kBumpHeight * cos^2(pi * ln(d / kBumpCentre) / kBumpPeriod).
inline constexpr double kBumpCentre = 288.0;
inline constexpr double kBumpHalfWidth = 1.06;
inline constexpr double kBumpHeight = 0.028;
inline constexpr double kBumpPeriod = 2.12;

// The value of pi the model uses throughout (the `piApprox` every Calculate run sets).
inline constexpr double kPiApprox = 3.14159;

// The seconds subtracted from every race time (the `timeOffset` every Calculate run sets).
inline constexpr double kTimeOffset = 3.0;

// Beyond this distance (m) the long-distance fade applies.
inline constexpr double kFadeStartDistance = 9000.0;

}  // namespace kestrova
