#pragma once

#include <array>
#include <optional>
#include <vector>

#include "analyses/table_cells.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

inline constexpr int kTreadmillRows = 36;
inline constexpr int kTreadmillInclines = 11;  // 0.00 to 0.10

// One belt speed of the treadmill table.
struct TreadmillTableRow {
    double shownSpeed = 0.0;  // mi/hr (5.0 to 12.0) or km/hr (6.0 to 23.5)
    double beltSpeed = 0.0;   // m/s
    // The flat speed outdoors of the belt speed itself (its plain pace).
    std::optional<double> plainSpeed;
    // Incline (rise per horizontal distance) of each column, and the flat speed outdoors that
    // takes the same effort as the belt at that incline.
    std::array<double, kTreadmillInclines> inclines{};
    std::array<std::optional<double>, kTreadmillInclines> flatSpeeds{};
};

std::vector<TreadmillTableRow> ComputeTreadmillTable(PaceUnit unit);

// The treadmill table as its window shows it: 4 empty lines, the heading ("Speed", "Pace" and the
// inclines), an empty line and 36 rows.
void ShowTreadmillTable(PaceUnit unit, TextSink& sink);

}  // namespace kestrova
