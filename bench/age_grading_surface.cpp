// Checks the age-graded record curve over the full grid: both sexes, ages 5 to 110 in steps of
// one year, the 24 distances of the performance tables and levels 30 % to 120 % in steps of 1 %,
// and prints what it found with the time it took.
//
//     age_grading_surface [SLACK SHARE]
//
// SLACK and SHARE bound each yearly change of ln(time) against the year before's (defaults 0.01
// and 0.25, as in the model tests).
//
// Exits with 1 when any check fails.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "age_grading_surface.hpp"
#include "analyses/performance_table.hpp"

int main(int argc, char** argv) {
    using namespace kestrova;
    using surface_check::SurfaceGrid;
    surface_check::StepBound bound;
    if (argc > 2) {
        bound.slack = std::strtod(argv[1], nullptr);
        bound.share = std::strtod(argv[2], nullptr);
    }
    SurfaceGrid grid;
    grid.sexes = {"m", "f"};
    for (int age = 5; age <= 110; ++age) {
        grid.ages.push_back(age);
    }
    for (const PerformanceTableDistance& row : PerformanceTableDistances()) {
        grid.distances.push_back(row.meters);
    }
    for (int percent = 120; percent >= 30; --percent) {
        grid.levels.push_back(percent / 100.0);
    }
    const auto start = std::chrono::steady_clock::now();
    const surface_check::SurfaceFindings found = surface_check::CheckSurface(grid, bound);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("levels checked               %ld\n", found.levelsChecked);
    std::printf("times checked                %ld\n", found.timesChecked);
    std::printf("level rising with time       %ld (worst %.3g)\n", found.levelRises,
                found.worstLevelRise);
    std::printf("time order across levels     %ld\n", found.timeOrderFaults);
    std::printf("solved level missed          %ld (worst %.3g)\n", found.missedLevels,
                found.worstLevelMiss);
    std::printf("time falling past peak age   %ld\n", found.timeFalls);
    std::printf("yearly change beyond bound   %ld (worst %.3g of the bound)\n", found.roughSteps,
                found.worstRoughness);
    std::printf("seconds                      %.1f\n", took.count());
    const bool sound = found.levelRises == 0 && found.timeOrderFaults == 0 &&
                       found.missedLevels == 0 && found.timeFalls == 0 && found.roughSteps == 0;
    return sound ? 0 : 1;
}
