#include "analyses/power_table.hpp"

#include <array>
#include <charconv>
#include <string>

#include "analyses/power_model.hpp"
#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr double kJoulesPerKcal = 4184.0;
constexpr double kKilojoulesPerKcal = 4.184;
constexpr double kPoundsPerKg = 2.2;
constexpr int kLeadingEmptyLines = 5;

// The level pace of row i (1-28): seconds per mile or per kilometre.
double RowPace(int i, PaceUnit unit) {
    return unit == PaceUnit::Kilometer ? 160.0 + 15.0 * (i - 4.6667) : 160.0 + 20.0 * i;
}

PowerTableRow ComputeRow(int i, double weightKg, PaceUnit unit) {
    const double divisor = PaceUnitDivisor(unit);
    const double energyUnit = unit == PaceUnit::Kilometer ? kKilojoulesPerKcal : 1.0;
    PowerTableRow row;
    row.speed = (kMetersPerMile / RowPace(i, unit)) / divisor;
    row.paceSeconds = PaceSeconds(row.speed, unit);
    row.shownSpeed = (row.speed * 3.6 / kKilometersPerMile) * divisor;
    row.output = PowerOutput(row.speed, weightKg, 0.0, 1.0);
    row.gross = PowerUsedGross(row.speed, weightKg, 0.0, 1.0);
    row.net = PowerUsedNet(row.speed, weightKg, 0.0, 1.0);
    const double perHour = energyUnit * 3600.0 / kJoulesPerKcal;
    row.grossPerHour = perHour * row.gross;
    row.netPerHour = perHour * row.net;
    row.mets = ((3600.0 / kJoulesPerKcal) * row.gross) / weightKg;
    row.grossPerDistance = perHour * row.gross / row.shownSpeed;
    row.netPerDistance = perHour * row.net / row.shownSpeed;
    return row;
}

std::string RowText(const PowerTableRow& row) {
    return "  " + PaceCellText(row.paceSeconds) + FormatNumber(row.shownSpeed, 5, 1) +
           FormatNumber(row.output, 8, 0) + FormatNumber(row.gross, 11, 0) +
           FormatNumber(row.net, 7, 0) + FormatNumber(row.grossPerHour, 9, 0) +
           FormatNumber(row.netPerHour, 7, 0) + FormatNumber(row.mets, 9, 1) +
           FormatNumber(row.grossPerDistance, 12, 0) + FormatNumber(row.netPerDistance, 9, 0);
}

// The weight as the shortest decimal text that reads back as the same number ("72.7").
std::string WeightText(double weightKg) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), weightKg,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::vector<PowerTableRow> ComputePowerTable(double weightKg, PaceUnit unit) {
    std::vector<PowerTableRow> rows;
    rows.reserve(kPowerTableRows);
    for (int i = 1; i <= kPowerTableRows; ++i) {
        rows.push_back(ComputeRow(i, weightKg, unit));
    }
    return rows;
}

void ShowPowerTable(double weightKg, PaceUnit unit, TextSink& sink) {
    sink.Clear();
    for (int line = 0; line < kLeadingEmptyLines; ++line) {
        sink.EndLine();
    }
    for (const PowerTableRow& row : ComputePowerTable(weightKg, unit)) {
        sink.Write(RowText(row));
        sink.EndLine();
    }
    sink.EndLine();
    sink.Write("  Values for a" + PrintedWholeNumber(weightKg * kPoundsPerKg) + "pound (" +
               WeightText(weightKg) + " kilogram) person.");
    sink.EndLine();
}

}  // namespace kestrova
