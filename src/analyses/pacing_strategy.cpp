#include "analyses/pacing_strategy.hpp"

#include <cmath>
#include <tuple>
#include <utility>

#include "analyses/effort_model.hpp"
#include "model/distance_unit.hpp"
#include "model/endurance_factor.hpp"
#include "model/pace_model.hpp"
#include "model/time_adjustment.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr double kFadeStart = kFadeStartDistance;  // the runner's own fade applies beyond this
constexpr double kRowStep = 3.0;                   // seconds per mile between rows
constexpr std::size_t kShortTimeWidth = 8;

// The time the runner's fade adds to a predicted time T at distance x.
double FadeExtra(const FittedCurve& state, double T, double x) {
    if (!(x > kFadeStart)) {
        return 0.0;
    }
    return T / EnduranceFactor(x, state.fadeCoef, 1.0, state.sex) - T;
}

// The time of half the race run at `levelPace` on `slope`, with its actual pace: the pace at the
// speed on the slope that takes the same effort as the level pace.
std::optional<std::pair<double, double>> HalfOnSlope(double& slope, double levelPace, double d) {
    const double levelSpeed = kMetersPerMile / levelPace;
    const std::optional<double> speed = SlopeSpeedForEffort(slope, levelSpeed);
    if (!speed) {
        return std::nullopt;
    }
    const double actualPace = levelPace * levelSpeed / *speed;
    return std::pair{actualPace * (d / 2.0) / kMetersPerMile, actualPace};
}

bool RowIsFinite(const PacingRow& row) {
    for (double value : {row.t1, row.a1, row.p1, row.t2, row.a2, row.p2, row.total, row.off}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

// The last 8 characters of FormatTime.
std::string ShortTime(double seconds) {
    return LastCharacters(FormatTime(seconds), kShortTimeWidth);
}

std::string RowText(const PacingRow& row, PacingCourse course, double k) {
    if (course == PacingCourse::HalfUpHalfDown) {
        return FormatTime(row.t1) + ShortTime(row.a1 / k) + ShortTime(row.p1 / k) + " " +
               FormatTime(row.t2) + ShortTime(row.a2 / k) + ShortTime(row.p2 / k) + " " +
               FormatTime(row.total) + FormatTime(row.off);
    }
    return "    " + FormatTime(row.t1) + "  " + ShortTime(row.a1 / k) + "    " +
           FormatTime(row.t2) + "  " + ShortTime(row.a2 / k) + "     " + FormatTime(row.total) +
           FormatTime(row.off);
}

}  // namespace

bool SplitCurve::Usable() const {
    for (double value : {raceTime, p0, pFast, pSlow, c, q}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return pSlow > p0;
}

SplitCurve ComputeSplitCurve(const FittedCurve& state, double d) {
    SplitCurve curve;
    const double half = d / 2.0;
    curve.raceTime = PredictedRaceTime(state, d);
    const double extraFull = FadeExtra(state, curve.raceTime, d);
    curve.p0 = kMetersPerMile / (d / curve.raceTime);
    const double halfTime = PredictedRaceTime(state, half);
    const double extraHalf = FadeExtra(state, halfTime, half);
    curve.pFast = kMetersPerMile / (half / halfTime);
    // The speed the curve tends to for very long races.
    const double vInf = std::pow((state.aerobicPower - 140.0) / 60.0, 0.5);
    const double tSlow = half / vInf + extraFull - 2.0 * extraHalf;
    curve.pSlow = kMetersPerMile / (half / tSlow);
    curve.c = (curve.pSlow * curve.pFast - curve.p0 * curve.p0) /
              (curve.pSlow + curve.pFast - 2.0 * curve.p0);
    curve.q = (curve.p0 - curve.c) * (curve.p0 - curve.c);
    return curve;
}

PacingTable ComputePacingTable(const SplitCurve& curve, PacingCourse course, double slope,
                               double d) {
    PacingTable table{course, course == PacingCourse::HalfUpHalfDown ? slope : 0.0, curve, {}};
    double s = table.slope;
    const double sigma = s < 0.0 ? -1.0 : 1.0;
    const double c = curve.c;
    const double evenTime = 2.0 * curve.p0 * (d / 2.0) / kMetersPerMile;
    double p1 = curve.p0;
    for (int n = 0; n < kMaxPacingRows; ++n) {
        PacingRow row;
        row.p1 = p1;
        row.p2 = (c * p1 - c * c + curve.q) / (p1 - c);
        // The first half may turn a slope of -0.25 into -0.2503; the second half descends from
        // the slope as it then is.
        const auto first = HalfOnSlope(s, row.p1, d);
        double descent = -s;
        const auto second = first ? HalfOnSlope(descent, row.p2, d) : std::nullopt;
        if (!second) {
            table.end = PacingEnd::NoEffort;
            return table;
        }
        std::tie(row.t1, row.a1) = *first;
        std::tie(row.t2, row.a2) = *second;
        row.total = row.t1 + row.t2;
        row.off = row.total - evenTime;
        if (!RowIsFinite(row)) {
            table.end = PacingEnd::NoEffort;
            return table;
        }
        table.rows.push_back(row);
        p1 -= kRowStep * sigma;
        if (p1 < curve.pFast || row.p2 < curve.pFast) {
            return table;
        }
    }
    table.end = PacingEnd::RowLimit;
    return table;
}

void PrintPacingTable(const PacingTable& table, PaceUnit unit, TextSink& sink) {
    sink.Write(table.course == PacingCourse::HalfUpHalfDown ? kHalfUpHalfDownHeader
                                                            : kUnevenSplitsHeader);
    sink.EndLine();
    sink.EndLine();
    const double k = PaceUnitDivisor(unit);
    for (const PacingRow& row : table.rows) {
        sink.Write(RowText(row, table.course, k));
        sink.EndLine();
    }
    if (table.end == PacingEnd::RowLimit) {
        sink.Write(kPacingRowLimitLine);
        sink.EndLine();
    }
}

}  // namespace kestrova
