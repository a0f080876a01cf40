#include "analyses/slope_table.hpp"

#include <algorithm>

#include "analyses/effort_model.hpp"
#include "model/distance_unit.hpp"

namespace kestrova {
namespace {

constexpr int kLeadingEmptyLines = 3;

struct GradeSteps {
    double step;
    double offset;
};
constexpr std::array<GradeSteps, kMaxSlopeRange> kRanges = {
    {{0.01, 0.06}, {0.02, 0.12}, {0.03, 0.18}, {0.06, 0.36}}};

// Character column (1-based) of the cell of column c.
int CellColumn(int c) {
    return 4 + 8 * c;
}

double LevelPace(int r, PaceUnit unit) {
    return unit == PaceUnit::Kilometer ? 150.0 + 20.0 * (r - 2.5) : 150.0 + 30.0 * r;
}

void WriteHeading(int slopeRange, TextSink& sink) {
    for (int c = 0; c < kSlopeTableColumns; ++c) {
        const double grade = SlopeTableGrade(slopeRange, c);
        // A minus sign takes the column before, so the digits line up.
        sink.MoveToColumn(grade < 0.0 ? CellColumn(c) : CellColumn(c) + 1);
        sink.Write(GradeText(grade));
    }
    sink.EndLine();
}

}  // namespace

double SlopeTableGrade(int slopeRange, int column) {
    const GradeSteps& range = kRanges[static_cast<std::size_t>(
        std::clamp(slopeRange, kMinSlopeRange, kMaxSlopeRange) - kMinSlopeRange)];
    return range.step * column - range.offset;
}

std::vector<SlopeTableRow> ComputeSlopeTable(const SlopeTableSettings& settings) {
    std::vector<SlopeTableRow> rows(kSlopeTableRows);
    for (int r = 1; r <= kSlopeTableRows; ++r) {
        SlopeTableRow& row = rows[static_cast<std::size_t>(r - 1)];
        row.levelPace = LevelPace(r, settings.unit);
        row.flatSpeed = (kMetersPerMile / row.levelPace) / PaceUnitDivisor(settings.unit);
        for (int c = 0; c < kSlopeTableColumns; ++c) {
            SlopeTableCell& cell = row.cells[static_cast<std::size_t>(c)];
            cell.grade = SlopeTableGrade(settings.slopeRange, c);
            cell.slope = settings.gradeDefinition == 2 ? SlopeAlongSurface(cell.grade) : cell.grade;
            cell.speed = SlopeSpeedForEffort(cell.slope, row.flatSpeed);
        }
    }
    return rows;
}

void ShowSlopeTable(const SlopeTableSettings& settings, TextSink& sink) {
    sink.Clear();
    for (int line = 0; line < kLeadingEmptyLines; ++line) {
        sink.EndLine();
    }
    WriteHeading(settings.slopeRange, sink);
    sink.EndLine();
    for (const SlopeTableRow& row : ComputeSlopeTable(settings)) {
        sink.Write("  ");
        for (int c = 0; c < kSlopeTableColumns; ++c) {
            sink.MoveToColumn(CellColumn(c));
            sink.Write(SpeedPaceCell(row.cells[static_cast<std::size_t>(c)].speed, settings.unit));
        }
        sink.EndLine();
    }
}

}  // namespace kestrova
