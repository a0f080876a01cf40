#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrova {

// One point of a run: seconds since the start and metres covered since the start. A series has
// rising seconds and distances that never fall.
struct TimedDistance {
    double seconds = 0.0;
    double meters = 0.0;
};

// The standard distances a best effort is looked for over, shortest first.
struct EffortDistance {
    std::string label;  // "400 m", "1 mile", "half marathon", ...
    double meters = 0.0;
};
const std::vector<EffortDistance>& EffortDistances();

// The fastest stretch of a run over one distance: where it starts and how long it took.
struct BestEffort {
    EffortDistance distance;
    double seconds = 0.0;       // time over the distance
    double startSeconds = 0.0;  // time into the run at which the stretch starts
    double startMeters = 0.0;   // distance into the run at which it starts
};

// The fastest time over `meters` anywhere in the series, with the series read as straight lines
// between its points (time interpolated by distance), as running apps show it. The fastest
// stretch starts or ends at a point of the series, so one pass with two pointers from each end
// finds it exactly. Nothing when the series does not cover the distance or is not in order.
std::optional<BestEffort> FastestStretch(const std::vector<TimedDistance>& series,
                                         const EffortDistance& distance);

// The best effort over every standard distance the series covers, shortest first.
std::vector<BestEffort> FindBestEfforts(const std::vector<TimedDistance>& series);

}  // namespace kestrova
