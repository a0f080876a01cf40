#include "analyses/treadmill_table.hpp"

#include "analyses/effort_model.hpp"
#include "model/distance_unit.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr int kLeadingEmptyLines = 4;
constexpr int kFirstInclineColumn = 2;  // table columns 0 and 1 hold the speed and its pace

int CellColumn(int c) {
    return 4 + 8 * c;
}

double Incline(int c) {
    return 0.01 * (c - kFirstInclineColumn);
}

double ShownSpeed(int r, PaceUnit unit) {
    return unit == PaceUnit::Kilometer ? 5.5 + 0.5 * r : 4.8 + 0.2 * r;
}

void WriteHeading(TextSink& sink) {
    sink.MoveToColumn(CellColumn(0));
    sink.Write("Speed");
    sink.MoveToColumn(CellColumn(1));
    sink.Write("Pace");
    for (int c = kFirstInclineColumn; c < kFirstInclineColumn + kTreadmillInclines; ++c) {
        sink.MoveToColumn(CellColumn(c) + 1);
        sink.Write(GradeText(Incline(c)));
    }
    sink.EndLine();
}

void WriteRow(const TreadmillTableRow& row, PaceUnit unit, TextSink& sink) {
    sink.Write("  ");
    sink.MoveToColumn(CellColumn(0));
    sink.Write(FormatNumber(row.shownSpeed, 4, 1));
    sink.MoveToColumn(CellColumn(1));
    sink.Write(SpeedPaceCell(row.plainSpeed, unit));
    for (int i = 0; i < kTreadmillInclines; ++i) {
        sink.MoveToColumn(CellColumn(kFirstInclineColumn + i));
        sink.Write(SpeedPaceCell(row.flatSpeeds[static_cast<std::size_t>(i)], unit));
    }
    sink.EndLine();
}

}  // namespace

std::vector<TreadmillTableRow> ComputeTreadmillTable(PaceUnit unit) {
    std::vector<TreadmillTableRow> rows(kTreadmillRows);
    for (int r = 1; r <= kTreadmillRows; ++r) {
        TreadmillTableRow& row = rows[static_cast<std::size_t>(r - 1)];
        row.shownSpeed = ShownSpeed(r, unit);
        row.beltSpeed = row.shownSpeed * kMetersPerMile / 3600.0 / PaceUnitDivisor(unit);
        double level = 0.0;
        row.plainSpeed = FlatEquivalentSpeed(level, row.beltSpeed);
        for (int i = 0; i < kTreadmillInclines; ++i) {
            const auto at = static_cast<std::size_t>(i);
            row.inclines[at] = Incline(kFirstInclineColumn + i);
            double slope = SlopeAlongSurface(row.inclines[at]);
            row.flatSpeeds[at] =
                FlatEquivalentSpeed(slope, row.beltSpeed, EffortGround::TreadmillBelt);
        }
    }
    return rows;
}

void ShowTreadmillTable(PaceUnit unit, TextSink& sink) {
    sink.Clear();
    for (int line = 0; line < kLeadingEmptyLines; ++line) {
        sink.EndLine();
    }
    WriteHeading(sink);
    sink.EndLine();
    for (const TreadmillTableRow& row : ComputeTreadmillTable(unit)) {
        WriteRow(row, unit, sink);
    }
}

}  // namespace kestrova
