#include "analyses/table_cells.hpp"

#include "model/distance_unit.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr std::size_t kPaceCellWidth = 7;
const std::string kNoPaceCell = "   --  ";

}  // namespace

double PaceUnitDivisor(PaceUnit unit) {
    return unit == PaceUnit::Kilometer ? kKilometersPerMile : 1.0;
}

double PaceSeconds(double speed, PaceUnit unit) {
    return (kMetersPerMile / speed) / PaceUnitDivisor(unit);
}

std::optional<double> PaceSecondsAt(std::optional<double> speed, PaceUnit unit) {
    if (!speed || !(*speed > 0.0)) {
        return std::nullopt;
    }
    return PaceSeconds(*speed, unit);
}

std::string PaceCellText(double seconds) {
    return LastCharacters(FormatTime(seconds), kPaceCellWidth);
}

std::string SpeedPaceCell(std::optional<double> speed, PaceUnit unit) {
    const std::optional<double> pace = PaceSecondsAt(speed, unit);
    return pace ? PaceCellText(*pace) : kNoPaceCell;
}

std::string GradeText(double grade) {
    return FormatNumber(grade, 0, 2);
}

}  // namespace kestrova
