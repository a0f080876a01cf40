#include "analyses/distance_for_duration.hpp"

#include <cmath>

#include "model/pace_model.hpp"

namespace kestrova {

DurationSearch DistanceForDuration(const FittedCurve& curve, double target, double startDistance,
                                   double& time) {
    DurationSearch search;
    search.distance = startDistance;
    for (; search.passes < kDurationSearchPasses; ++search.passes) {
        if (std::fabs(time - target) < 1.0) {
            search.reached = true;
            return search;
        }
        time = PredictedRaceTime(curve, search.distance);
        search.distance = search.distance * (1.0 + target / time) / 2.0;
    }
    search.reached = std::fabs(time - target) < 1.0;
    return search;
}

}  // namespace kestrova
