#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analyses/table_cells.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

inline constexpr int kSlopeTableColumns = 13;
inline constexpr int kSlopeTableRows = 19;
inline constexpr int kMinSlopeRange = 1;
inline constexpr int kMaxSlopeRange = 4;

// The settings of the slopes table, kept by its window: the grade range (1: -0.06 to 0.06 ...
// 4: -0.36 to 0.36), how grades are measured and the pace unit.
struct SlopeTableSettings {
    int slopeRange = 2;
    // 1: rise per distance along the surface; 2: rise per horizontal distance.
    int gradeDefinition = 1;
    PaceUnit unit = PaceUnit::Mile;
};

// The grade of column c (0-12) of a range (1-4; others are taken as the nearest of them).
double SlopeTableGrade(int slopeRange, int column);

// One cell: the grade shown, the slope along the surface computed with, and the equal-effort speed
// on it (none when it has no answer).
struct SlopeTableCell {
    double grade = 0.0;
    double slope = 0.0;
    std::optional<double> speed;
};

// One level pace with its equal-effort speeds on the 13 grades.
struct SlopeTableRow {
    double levelPace = 0.0;  // per mile (3:00 to 12:00) or per kilometre (2:00 to 8:00)
    double flatSpeed = 0.0;  // m/s
    std::array<SlopeTableCell, kSlopeTableColumns> cells{};
};

std::vector<SlopeTableRow> ComputeSlopeTable(const SlopeTableSettings& settings);

// The rows of a table of 7-character cells at columns 4, 12, 20, ... (1-based), some of them
// wider (a pace of an hour or more): each cell ends where a 7-character cell at its column would,
// a wider one reaching into the blanks before it while one blank stays after the cell before;
// where too few are left, its column and all after it move to the right. Every row starts with
// two blanks. Returns how far each column moved.
std::vector<int> LayOutSlopeRows(const std::vector<std::vector<std::string>>& cells,
                                 std::vector<std::string>& lines);

// The slopes table as its window shows it: 3 empty lines, the grades, an empty line and a row of
// 13 paces for each of the 19 level paces.
void ShowSlopeTable(const SlopeTableSettings& settings, TextSink& sink);

}  // namespace kestrova
