#pragma once

namespace kestrova {

// The middle-distance bump's factor at d metres: 1 + kBumpHeight * cos^2(pi * ln(d / kBumpCentre) /
// kBumpPeriod) where |ln(d / kBumpCentre)| < kBumpHalfWidth, and exactly 1 elsewhere (and for a
// distance that is not a positive number). The input stage multiplies entered times by it; a
// prediction divides by it.
double MiddleDistanceBump(double d, double pi);

}  // namespace kestrova
