#include "analyses/slope_table.hpp"

#include <algorithm>

#include "analyses/effort_model.hpp"
#include "model/distance_unit.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr std::size_t kCellWidth = 7;

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

void WriteHeading(int slopeRange, const std::vector<int>& shifts, TextSink& sink) {
    for (int c = 0; c < kSlopeTableColumns; ++c) {
        const double grade = SlopeTableGrade(slopeRange, c);
        // A minus sign takes the column before, so the digits line up.
        const int column = CellColumn(c) + shifts.at(static_cast<std::size_t>(c));
        sink.MoveToColumn(grade < 0.0 ? column : column + 1);
        sink.Write(GradeText(grade));
    }
    sink.EndLine();
}

// The cell of a pace: the 7 characters of the tables under an hour; an hour or more whole
// ("1:07:52  "), wider than the others and ending where they end.
std::string SlopeCellText(const SlopeTableCell& cell, PaceUnit unit) {
    if (const std::optional<double> pace = PaceSecondsAt(cell.speed, unit)) {
        const std::string text = FormatTime(*pace);
        std::string whole = text.substr(std::min(text.find_first_not_of(' '), text.size()));
        if (whole.size() > kCellWidth) {
            return whole;
        }
    }
    return SpeedPaceCell(cell.speed, unit);
}

std::size_t LastNonBlank(const std::string& line) {
    const std::size_t last = line.find_last_not_of(' ');
    return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

double SlopeTableGrade(int slopeRange, int column) {
    const GradeSteps& range = kRanges[static_cast<std::size_t>(
        std::clamp(slopeRange, kMinSlopeRange, kMaxSlopeRange) - kMinSlopeRange)];
    return range.step * column - range.offset;
}

std::vector<int> LayOutSlopeRows(const std::vector<std::vector<std::string>>& cells,
                                 std::vector<std::string>& lines) {
    std::vector<int> shifts(cells.empty() ? 0 : cells.front().size());
    lines.assign(cells.size(), "  ");
    int shift = 0;
    for (std::size_t c = 0; c < shifts.size(); ++c) {
        const std::size_t end = static_cast<std::size_t>(CellColumn(static_cast<int>(c)) - 1) +
                                kCellWidth;  // 0-based, past the cell
        for (std::size_t r = 0; r < cells.size(); ++r) {
            const long long start =
                static_cast<long long>(end) + shift - static_cast<long long>(cells[r].at(c).size());
            const long long room = static_cast<long long>(LastNonBlank(lines[r])) + 1;
            shift += static_cast<int>(std::max(0LL, room - start));
        }
        shifts[c] = shift;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            const std::size_t start = end + static_cast<std::size_t>(shift) - cells[r].at(c).size();
            lines[r].resize(LastNonBlank(lines[r]));
            lines[r].resize(std::max(start, lines[r].size()), ' ');
            lines[r] += cells[r].at(c);
        }
    }
    return shifts;
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
    std::vector<std::vector<std::string>> cells;
    for (const SlopeTableRow& row : ComputeSlopeTable(settings)) {
        std::vector<std::string>& texts = cells.emplace_back();
        for (const SlopeTableCell& cell : row.cells) {
            texts.push_back(SlopeCellText(cell, settings.unit));
        }
    }
    std::vector<std::string> lines;
    const std::vector<int> shifts = LayOutSlopeRows(cells, lines);
    WriteHeading(settings.slopeRange, shifts, sink);
    sink.EndLine();
    for (const std::string& line : lines) {
        sink.Write(line);
        sink.EndLine();
    }
}

}  // namespace kestrova
