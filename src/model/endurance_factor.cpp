#include "model/endurance_factor.hpp"

#include <cmath>

namespace kestrova {
namespace {

constexpr double kMarathon = 42195.0;

double RecordForm(double d, double coefficient, std::string_view sex) {
    const double shapeMultiplier = sex == "f" ? 1.0993 : 1.0;
    double q = 0.78 + 0.0876 * (d - 10000.0) / 32195.0;
    if (d > kMarathon) {
        q = 0.8676 -
            2.18885 * (std::pow(d, 0.14) - std::pow(100000.0, 0.14)) / std::pow(195030.0, 0.14);
    }
    return std::pow(6300.0 / d, coefficient * std::pow(d / kMarathon, shapeMultiplier * q));
}

double IndividualForm(double d, double coefficient) {
    double c = coefficient;
    if (d > kMarathon) {
        c = coefficient * std::pow(kMarathon / d, 0.06 * d / kMarathon);
    }
    double factor = std::pow(9000.0 / d, c * d / kMarathon);
    if (std::fabs(std::log(d / 18000.0)) < 0.7) {
        factor *= 1.0 - 0.004 * std::cos(5.0 * 3.14159 * std::log(d / 20750.0) / 7.0);
    }
    return factor;
}

}  // namespace

double EnduranceFactor(double distance, double coefficient, double mode, std::string_view sex) {
    return mode == 0.0 ? RecordForm(distance, coefficient, sex)
                       : IndividualForm(distance, coefficient);
}

}  // namespace kestrova
