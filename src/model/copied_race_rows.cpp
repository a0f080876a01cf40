#include "model/copied_race_rows.hpp"

#include "model/number_reader.hpp"
#include "model/race_entry.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

std::string Trimmed(const std::string& text) {
    if (IsBlank(text)) {
        return {};
    }
    const std::size_t first = text.find_first_not_of(' ');
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The same race: the same four boxes and units, whatever "use?" holds.
bool SameRace(const RaceRowInputs& a, const RaceRowInputs& b) {
    return a.Text1 == b.Text1 && a.Text2 == b.Text2 && a.Text3 == b.Text3 && a.Text4 == b.Text4 &&
           a.unitOption == b.unitOption;
}

std::optional<std::size_t> RowIndex(int row) {
    if (row < 0 || row >= kRaceRowCount) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

// The row as a saved settings file brings it back at the next start: its boxes in plain number
// form, so the sample race with seconds "02" comes back with "2".
RaceRowInputs AsReadBackFromSettings(RaceRowInputs row) {
    for (std::string* text : {&row.Text1, &row.Text2, &row.Text3, &row.Text4}) {
        *text = PlainFormOfNumberText(*text);
    }
    return row;
}

}  // namespace

void CopiedRaceRows::Remember(int row, const RaceRowInputs& contents) {
    if (const auto index = RowIndex(row)) {
        copied_[*index] = contents;
    }
}

bool CopiedRaceRows::HoldsTypedRace(int row, const RaceRowInputs& contents) const {
    const auto index = RowIndex(row);
    if (!index || (IsBlank(contents.Text1) && IsBlank(contents.Text2) && IsBlank(contents.Text3) &&
                   IsBlank(contents.Text4))) {
        return false;
    }
    const std::optional<RaceRowInputs>& copied = copied_[*index];
    if (copied && SameRace(*copied, contents)) {
        return false;
    }
    const RaceRowInputs sample = MainFormInputs::StartUpRows()[*index];
    return !SameRace(sample, contents) && !SameRace(AsReadBackFromSettings(sample), contents);
}

std::string RaceRowSummary(const RaceRowInputs& row) {
    const RaceEntry race = ReadRaceEntry(row);
    std::string distance = race.unit && IsFixedDistance(*race.unit) ? "" : Trimmed(row.Text4);
    if (race.unit) {
        distance += (distance.empty() ? "" : " ") + UnitLabel(*race.unit);
    }
    const std::string time = race.timeSeconds != 0.0 ? Trimmed(FormatTime(race.timeSeconds)) : "";
    return (distance.empty() ? "no distance" : distance) + " in " +
           (time.empty() ? "no time" : time);
}

}  // namespace kestrova
