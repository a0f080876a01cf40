#include "model/middle_distance_bump.hpp"

#include <cmath>

#include "model/time_adjustment.hpp"

namespace kestrova {
namespace {

// The bump spans about 99.8 m to 831 m. Outside these wider bounds the logarithm is at least
// 0.007 beyond the half width, so it need not be worked out to know that there is no bump.
constexpr double kNoBumpBelow = 99.0;
constexpr double kNoBumpAbove = 840.0;

}  // namespace

double MiddleDistanceBump(double d, double pi) {
    if (!(d > kNoBumpBelow && d < kNoBumpAbove)) {
        return 1.0;
    }
    const double logRatio = std::log(d / kBumpCentre);
    if (!(std::fabs(logRatio) < kBumpHalfWidth)) {
        return 1.0;
    }
    const double bump = std::cos(pi * logRatio / kBumpPeriod);
    return 1.0 + kBumpHeight * bump * bump;
}

}  // namespace kestrova
