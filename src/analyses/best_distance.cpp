#include "analyses/best_distance.hpp"

#include <cmath>

#include "model/pace_model.hpp"
#include "model/record_curve.hpp"

namespace kestrova {
namespace {

constexpr double kStep = 1.1;

int SignOf(double value) {
    if (value > 0.0) {
        return 1;
    }
    return value < 0.0 ? -1 : 0;
}

// The peak between the last two distances of the walk, from the rise into each of them.
double InterpolatedPeak(double previousDistance, double distance, double previousRise,
                        double rise) {
    if (previousRise - rise == 0.0) {
        // The level rose evenly to where the walk stopped (or did not change at all): the peak is
        // the last distance, the value the interpolation tends to as the last rise nears zero.
        return distance;
    }
    return previousDistance +
           (distance - previousDistance) * (previousRise + rise) / (previousRise - rise);
}

}  // namespace

PeakSearch SearchLevelPeak(const std::function<double(double)>& level, double start) {
    PeakSearch search;
    double d = start;
    const double a = level(d);
    const double up = level(kStep * d);
    const double down = level(d / kStep);
    int direction = SignOf(a - down);
    if (direction == 0) {
        // Flat towards shorter races: follow the rise towards longer ones, if any; flat on both
        // sides means the start is as good as its neighbours.
        if (up == a) {
            search.peakKm = d / 1000.0;
            return search;
        }
        direction = up > a ? 1 : -1;
    }
    double rise = a - down;
    if (rise < 0.0) {
        rise = a - up;
    }
    double l = a;
    double previousDistance = d;
    double previousRise = rise;
    const double factor = std::pow(kStep, direction);
    for (; search.steps < kPeakSearchSteps;) {
        previousDistance = d;
        const double previousLevel = l;
        previousRise = rise;
        d = d * factor;
        l = level(d);
        rise = l - previousLevel;
        ++search.steps;
        if (d > kPeakSearchLongest || d < kPeakSearchShortest || !(rise >= 0.0)) {
            break;
        }
    }
    search.peakKm = InterpolatedPeak(previousDistance, d, previousRise, rise) / 1000.0;
    return search;
}

double FindBestDistance(ModelState& state, double index) {
    const double firstGuess = FirstBestDistanceGuess(index);
    state.perfLevel = LevelAtDistance(state, firstGuess);
    state.specIndexAdj = std::pow(index, state.perfLevel / 0.9);
    state.bestDistGuess = RefinedBestDistanceGuess(state.specIndexAdj);

    const auto level = [&state](double d) { return LevelAtDistance(state, d); };
    double best = SearchLevelPeak(level, 1000.0 * state.bestDistGuess).peakKm;
    if (best > kSecondSearchAboveKm) {
        const double second = SearchLevelPeak(level, kSecondSearchStart).peakKm;
        best = std::pow(best * second, 0.5);
    }
    return best;
}

}  // namespace kestrova
