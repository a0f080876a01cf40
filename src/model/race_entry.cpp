#include "model/race_entry.hpp"

#include "model/number_reader.hpp"
#include "model/time_format.hpp"

namespace kestrova {

std::string RaceEntry::Label() const {
    std::string number = numberText;
    std::string unitLabel;
    if (unit) {
        unitLabel = UnitLabel(*unit);
        if (IsFixedDistance(*unit)) {
            number.clear();
        }
    }
    return FormatTime(timeSeconds) + " " + number + " " + unitLabel;
}

RaceEntry ReadRaceEntry(const RaceRowInputs& row) {
    RaceEntry entry;
    entry.use = row.Check1 == 1;
    entry.timeSeconds =
        ReadAsNumber(row.Text1) * 3600.0 + ReadAsNumber(row.Text2) * 60.0 + ReadAsNumber(row.Text3);
    entry.unit = row.SelectedUnit();
    entry.distanceMeters = RaceDistanceMeters(ReadAsNumber(row.Text4), entry.unit);
    entry.numberText = row.Text4;
    return entry;
}

}  // namespace kestrova
