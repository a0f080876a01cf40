#pragma once

#include <array>
#include <string>

#include "model/fitted_curve.hpp"

namespace kestrova {

inline constexpr int kRaceSlots = 6;        // slots 0-5, slots 1 upward in use
inline constexpr int kLevelTableRows = 25;  // distances 1-24 of a synthetic run
inline constexpr int kLevelTableColumns = 9;

// Calculate's working lists: slots 1..m hold the races kept, in ascending distance.
struct RaceLists {
    std::array<double, kRaceSlots> raceDist{};
    std::array<double, kRaceSlots> adjTime{};   // adjusted, model-scale times
    std::array<double, kRaceSlots> raceTime{};  // entered times
    // The checked rows in entry order, before sorting and omission (read by the graph).
    std::array<double, kRaceSlots> entryDist{};
    std::array<double, kRaceSlots> entryTime{};
    int raceCount = 0;
};

// Values that the fit and the tables leave behind for whoever reads them next. Predictions never
// write them: each caller that keeps one sets it where it computes it.
struct EvaluationScratch {
    double curDist = 0.0;
    double perfLevel = 0.0;
    double specIndex = 0.0;
    double specIndexAdj = 0.0;
    double ageTerm = 0.0;
    int pairCount = 0;
    double pred800 = 0.0;
    double pred5000 = 0.0;
    double bestDistGuess = 0.0;  // km, the training analysis' refined first guess
};

// The synthetic runs of the performance tables: their inputs and the times they fill in.
struct LevelTableBuffers {
    int syntheticMode = 0;
    double synth800 = 0.0;
    double synth5000 = 0.0;
    int levelColumn = 0;
    std::array<double, kLevelTableRows> levelTableDist{};
    std::array<std::array<double, kLevelTableColumns>, kLevelTableRows> levelTableTimes{};
};

// Values the windows own: set by their controls, read by the computations they start.
struct ProgramSettings {
    int calculated = 0;
    int ageFlag = 0;  // the record curve's age grading as the full report states it
    double weightKg = 0.0;
    int graphScale = 0;
    std::string graphUnits;
    int reportDestination = 0;
    int gradeDefinition = 0;
};

// The values one Calculate run leaves for every other part of the program, and the few values
// other windows keep here for it, grouped by kind. The program owns one instance and passes it
// (or the part a function reads) by reference; nothing is cleared between runs, so a field a run
// does not write keeps what it held.
struct ModelState : RaceLists,
                    FittedCurve,
                    EvaluationScratch,
                    LevelTableBuffers,
                    ProgramSettings {};

// The values the main window sets when the program starts.
void ApplyStartUpValues(ModelState& state);

}  // namespace kestrova
