#pragma once

#include <array>
#include <string>

namespace kestrova {

inline constexpr int kRaceSlots = 6;        // slots 0-5, slots 1 upward in use
inline constexpr int kLevelTableRows = 25;  // distances 1-24 of a synthetic run
inline constexpr int kLevelTableColumns = 9;

// The values one Calculate run leaves for every other part of the program, and the few values
// other windows keep here for it. The program owns one instance and passes it by reference;
// nothing is cleared between runs, so a field a run does not write keeps what it held.
struct ModelState {
    // Calculate's working lists: slots 1..m hold the races kept, in ascending distance.
    std::array<double, kRaceSlots> raceDist{};
    std::array<double, kRaceSlots> adjTime{};   // adjusted, model-scale times
    std::array<double, kRaceSlots> raceTime{};  // entered times
    // The checked rows in entry order, before sorting and omission (read by the graph).
    std::array<double, kRaceSlots> entryDist{};
    std::array<double, kRaceSlots> entryTime{};
    int raceCount = 0;

    // The fitted curve.
    double refDist = 0.0;
    double aerobicPower = 0.0;
    double anaerobicEnergy = 0.0;
    double fadeCoef = 0.0;
    double timeOffset = 0.0;
    double piApprox = 0.0;

    // The runner.
    std::string sex;  // "m" or "f"
    double age = 0.0;
    int weeklyMiles = 0;

    // Values that evaluations leave behind for their callers.
    double curDist = 0.0;
    double perfLevel = 0.0;
    double specIndex = 0.0;
    double specIndexAdj = 0.0;
    double ageTerm = 0.0;
    int pairCount = 0;
    double pred800 = 0.0;
    double pred5000 = 0.0;
    double bestDistGuess = 0.0;  // km, the training analysis' refined first guess

    // Synthetic runs of the performance tables.
    int syntheticMode = 0;
    double synth800 = 0.0;
    double synth5000 = 0.0;
    int levelColumn = 0;
    std::array<double, kLevelTableRows> levelTableDist{};
    std::array<std::array<double, kLevelTableColumns>, kLevelTableRows> levelTableTimes{};

    int calculated = 0;

    // Age grading of the record curve: the flag and its three inputs, which the windows set.
    int ageFlag = 0;
    int ageTableFlag = 0;
    int agecomp = 0;                  // the main window's "Use age-based comparisons" value
    bool timesByAgeSelected = false;  // the performance tables' "Times by age for level" option

    // Values other windows own.
    double weightKg = 0.0;
    int graphScale = 0;
    std::string graphUnits;
    int reportDestination = 0;
    int gradeDefinition = 0;
};

// The values the main window sets when the program starts.
void ApplyStartUpValues(ModelState& state);

}  // namespace kestrova
