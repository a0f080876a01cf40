#include "analyses/power_model.hpp"

#include <cmath>

namespace kestrova {
namespace {

constexpr double kWattsPerKcalPerHour = 4184.0 / 3600.0;
constexpr double kBaseMetabolismKcalPerHour = 100.0;
constexpr double kGravity = 9.8;
constexpr double kOutputShare = 0.25;

// The power of a 72.7 kg runner, with `base` kcal/hr of base metabolism.
double ReferencePower(double v, double s, double air, double base) {
    const double level = kWattsPerKcalPerHour * (148.0 * std::pow(v, 1.36) + base);
    const double perMinute = v / 60.0;
    const double airResistance = 2849.84 * air * (perMinute * perMinute) * v;
    const double climbing = (2.5 + 10.0 * s) * kReferenceMassKg * kGravity * v * s;
    return level + airResistance + climbing;
}

}  // namespace

double PowerUsedNet(double v, double m, double s, double air) {
    return (m / kReferenceMassKg) * ReferencePower(v, s, air, 0.0);
}

double PowerUsedGross(double v, double m, double s, double air) {
    return (m / kReferenceMassKg) * ReferencePower(v, s, air, kBaseMetabolismKcalPerHour);
}

double PowerOutput(double v, double m, double s, double air) {
    return (m / kReferenceMassKg) * kOutputShare * ReferencePower(v, s, air, 0.0);
}

}  // namespace kestrova
