#include "files/activity/geodesy.hpp"

#include <cmath>
#include <numbers>

namespace kestrova {
namespace {

constexpr double kSemiMajorAxis = 6378137.0;         // WGS-84 a, metres
constexpr double kFlattening = 1.0 / 298.257223563;  // WGS-84 f
constexpr double kEccentricitySquared = kFlattening * (2.0 - kFlattening);

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

bool IsValidPosition(const GeoPosition& position) {
    return std::isfinite(position.latitude) && std::isfinite(position.longitude) &&
           std::fabs(position.latitude) <= 90.0 && std::fabs(position.longitude) <= 180.0;
}

double GroundDistance(const GeoPosition& a, const GeoPosition& b) {
    const double middle = Radians((a.latitude + b.latitude) / 2.0);
    const double sine = std::sin(middle);
    const double w = 1.0 - kEccentricitySquared * sine * sine;
    // Radii of curvature along the meridian and across it.
    const double meridian = kSemiMajorAxis * (1.0 - kEccentricitySquared) / (w * std::sqrt(w));
    const double primeVertical = kSemiMajorAxis / std::sqrt(w);
    double east = b.longitude - a.longitude;
    // The short way round across the 180th meridian.
    if (east > 180.0) {
        east -= 360.0;
    } else if (east < -180.0) {
        east += 360.0;
    }
    const double north = meridian * Radians(b.latitude - a.latitude);
    const double across = primeVertical * std::cos(middle) * Radians(east);
    return std::hypot(north, across);
}

}  // namespace kestrova
