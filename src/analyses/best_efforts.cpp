#include "analyses/best_efforts.hpp"

#include <cmath>
#include <cstddef>

#include "model/distance_unit.hpp"

namespace kestrova {
namespace {

// Whether the series can be searched: finite values, rising times, distances that never fall.
bool InOrder(const std::vector<TimedDistance>& series) {
    for (std::size_t i = 0; i < series.size(); ++i) {
        const TimedDistance& point = series[i];
        if (!std::isfinite(point.seconds) || !std::isfinite(point.meters)) {
            return false;
        }
        if (i > 0 &&
            (point.seconds <= series[i - 1].seconds || point.meters < series[i - 1].meters)) {
            return false;
        }
    }
    return true;
}

// The time at which the run reaches `meters`, between points a and b (a.meters < b.meters).
double TimeAt(const TimedDistance& a, const TimedDistance& b, double meters) {
    return a.seconds + (b.seconds - a.seconds) * (meters - a.meters) / (b.meters - a.meters);
}

// Stretches that start at a point and end between two points: for each start i, the end pointer
// j moves on to the first point at least `meters` further. j never moves back, so the pass takes
// at most 2n steps.
void StretchesFromPoints(const std::vector<TimedDistance>& series, double meters,
                         std::optional<BestEffort>& best) {
    std::size_t j = 0;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const double target = series[i].meters + meters;
        while (j < series.size() && series[j].meters < target) {
            ++j;
        }
        if (j == series.size()) {
            return;
        }
        // series[j - 1] lies short of the target and series[j] reaches it (j > i, as meters > 0).
        const double seconds = TimeAt(series[j - 1], series[j], target) - series[i].seconds;
        if (!best || seconds < best->seconds) {
            best = BestEffort{{}, seconds, series[i].seconds, series[i].meters};
        }
    }
}

// Stretches that end at a point and start between two points: for each end j, the start pointer
// i is the last point at least `meters` before it.
void StretchesToPoints(const std::vector<TimedDistance>& series, double meters,
                       std::optional<BestEffort>& best) {
    std::size_t i = 0;
    for (std::size_t j = 0; j < series.size(); ++j) {
        const double target = series[j].meters - meters;
        if (target < series.front().meters) {
            continue;
        }
        while (i + 1 < j && series[i + 1].meters <= target) {
            ++i;
        }
        // series[i] lies at or short of the target and series[i + 1] beyond it (i < j).
        const double start = series[i].meters == target ? series[i].seconds
                                                        : TimeAt(series[i], series[i + 1], target);
        const double seconds = series[j].seconds - start;
        if (!best || seconds < best->seconds) {
            best = BestEffort{{}, seconds, start, target};
        }
    }
}

}  // namespace

const std::vector<EffortDistance>& EffortDistances() {
    static const std::vector<EffortDistance> distances = {
        {"400 m", 400.0},
        {"800 m", 800.0},
        {"1 km", 1000.0},
        {"1 mile", kMetersPerMile},
        {"3 km", 3000.0},
        {"5 km", 5000.0},
        {"10 km", 10000.0},
        {"half marathon", kHalfMarathonMeters},
        {"marathon", kMarathonMeters},
    };
    return distances;
}

std::optional<BestEffort> FastestStretch(const std::vector<TimedDistance>& series,
                                         const EffortDistance& distance) {
    if (series.size() < 2 || !(distance.meters > 0.0) || !InOrder(series) ||
        series.back().meters - series.front().meters < distance.meters) {
        return std::nullopt;
    }
    std::optional<BestEffort> best;
    StretchesFromPoints(series, distance.meters, best);
    StretchesToPoints(series, distance.meters, best);
    if (best) {
        best->distance = distance;
    }
    return best;
}

std::vector<BestEffort> FindBestEfforts(const std::vector<TimedDistance>& series) {
    std::vector<BestEffort> efforts;
    for (const EffortDistance& distance : EffortDistances()) {
        if (std::optional<BestEffort> effort = FastestStretch(series, distance)) {
            efforts.push_back(*effort);
        }
    }
    return efforts;
}

}  // namespace kestrova
