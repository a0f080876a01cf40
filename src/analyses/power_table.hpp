#pragma once

#include <vector>

#include "analyses/table_cells.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

inline constexpr int kPowerTableRows = 28;

// One pace of the power and energy table, for the table's body weight. Energies are kilocalories
// in mile mode and kilojoules in kilometre mode; METs always come from kilocalories.
struct PowerTableRow {
    double paceSeconds = 0.0;  // per mile or per kilometre, as shown
    double speed = 0.0;        // m/s
    double shownSpeed = 0.0;   // mi/hr or km/hr
    double output = 0.0;       // watts
    double gross = 0.0;        // watts used, base metabolism included
    double net = 0.0;          // watts used, without base metabolism
    double grossPerHour = 0.0;
    double netPerHour = 0.0;
    double mets = 0.0;
    double grossPerDistance = 0.0;  // per mile or per kilometre
    double netPerDistance = 0.0;
};

// The 28 rows on the level outdoors: 3:00 to 12:00 per mile in 20 s steps, or 1:45 to 8:30 per
// kilometre in 15 s steps.
std::vector<PowerTableRow> ComputePowerTable(double weightKg, PaceUnit unit);

// The power and energy table as its window shows it: 5 empty lines, the 28 rows, an empty line
// and the line naming the weight ("  Values for a 160 pound (72.7 kilogram) person.").
void ShowPowerTable(double weightKg, PaceUnit unit, TextSink& sink);

}  // namespace kestrova
