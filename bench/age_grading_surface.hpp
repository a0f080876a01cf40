#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/model_state.hpp"
#include "model/record_curve.hpp"

// Checks the age-graded record curve over a grid of sexes, ages, distances and levels: the
// figures a faulty age grading shows as a slower race scoring a higher level, a time at a level
// that falls as the runner ages, or a jump between neighbouring ages. Shared by the model tests
// (a coarse grid) and the age_grading_surface tool (the full grid).
namespace kestrova::surface_check {

struct SurfaceGrid {
    std::vector<std::string> sexes;
    std::vector<double> ages;       // ascending, one year apart
    std::vector<double> distances;  // m
    std::vector<double> levels;     // fractions, descending
};

struct SurfaceFindings {
    long levelsChecked = 0;
    long timesChecked = 0;
    // A speed ratio lower than its neighbour (a slower time) with a higher level.
    long levelRises = 0;
    double worstLevelRise = 0.0;
    // A lower level whose time is not longer.
    long timeOrderFaults = 0;
    // A solved time whose level misses the level asked for by more than the solver's margin.
    long missedLevels = 0;
    double worstLevelMiss = 0.0;
    // Past the peak age, a time at a level shorter than at the age a year younger.
    long timeFalls = 0;
    // Neighbouring ages whose yearly change in ln(time) differs from the year before's by more
    // than the bound allows; the worst such difference as a multiple of what it allows.
    long roughSteps = 0;
    double worstRoughness = 0.0;
};

// The age at which the age factor is 1 at distance d.
inline double PeakAge(double d) {
    return 26.4 + 0.9 * std::log(d / 1000.0);
}

inline ModelState AgeGradedState(const std::string& sex, double age) {
    ModelState state;
    ApplyStartUpValues(state);
    state.sex = sex;
    state.age = age;
    state.agecomp = 1;
    return state;
}

// Speed ratios from 1.2 down to 0.2 in steps of 0.01: the level must not rise along them.
inline void CheckLevelsFallWithTime(ModelState& state, double d, SurfaceFindings& found) {
    TimeAtLevel(state, state.sex, 1, d, 1);  // sets the age flag the level reads
    double previous = 0.0;
    for (int step = 0; step <= 100; ++step) {
        const double ratio = 1.2 - 0.01 * step;
        const double level = PerformanceLevelOf(state, ratio, d, state.sex);
        ++found.levelsChecked;
        if (step > 0 && !(level <= previous)) {
            ++found.levelRises;
            found.worstLevelRise = std::max(found.worstLevelRise, level - previous);
        }
        previous = level;
    }
}

// The times at the grid's levels for one runner and distance: longer for each lower level, and
// (below 100 %) scoring the level asked for.
inline std::vector<double> TimesAtLevels(ModelState& state, double d,
                                         const std::vector<double>& levels,
                                         SurfaceFindings& found) {
    std::vector<double> times;
    const double record = TimeAtLevel(state, state.sex, 1, d, 1);
    for (double level : levels) {
        const double time = TimeAtLevel(state, state.sex, 0, d, level);
        ++found.timesChecked;
        if (!times.empty() && !(time > times.back())) {
            ++found.timeOrderFaults;
        }
        if (level < 0.99999) {
            const double miss =
                std::fabs(PerformanceLevelOf(state, record / time, d, state.sex) - level);
            if (!(miss <= 0.00001)) {
                ++found.missedLevels;
                found.worstLevelMiss = std::max(found.worstLevelMiss, miss);
            }
        }
        times.push_back(time);
    }
    return times;
}

// How much a smooth curve's yearly change r(a) = ln(T(a) / T(a − 1)) may change from one year to
// the next: `slack` plus `share` of the larger of the two changes.
struct StepBound {
    double slack = 0.01;
    double share = 0.25;
};

// One level's times at consecutive ages: never falling past the peak age, and each yearly change
// of ln(time) within the bound of the year before's.
inline void CheckAgeColumn(const std::vector<double>& ages, const std::vector<double>& times,
                           double d, StepBound bound, SurfaceFindings& found) {
    for (std::size_t a = 1; a < times.size(); ++a) {
        if (ages[a - 1] >= PeakAge(d) && !(times[a] >= times[a - 1])) {
            ++found.timeFalls;
        }
        if (a >= 2) {
            const double step = std::log(times[a] / times[a - 1]);
            const double before = std::log(times[a - 1] / times[a - 2]);
            const double allowed =
                bound.slack + bound.share * std::max(std::fabs(step), std::fabs(before));
            const double roughness = std::fabs(step - before) / allowed;
            found.worstRoughness = std::max(found.worstRoughness, roughness);
            if (!(roughness <= 1.0)) {
                ++found.roughSteps;
            }
        }
    }
}

inline SurfaceFindings CheckSurface(const SurfaceGrid& grid, StepBound bound) {
    SurfaceFindings found;
    for (const std::string& sex : grid.sexes) {
        for (double d : grid.distances) {
            // times[level][age]
            std::vector<std::vector<double>> columns(grid.levels.size());
            for (double age : grid.ages) {
                ModelState state = AgeGradedState(sex, age);
                CheckLevelsFallWithTime(state, d, found);
                const std::vector<double> times = TimesAtLevels(state, d, grid.levels, found);
                for (std::size_t l = 0; l < times.size(); ++l) {
                    columns[l].push_back(times[l]);
                }
            }
            for (const std::vector<double>& column : columns) {
                CheckAgeColumn(grid.ages, column, d, bound, found);
            }
        }
    }
    return found;
}

}  // namespace kestrova::surface_check
