#pragma once

#include <cstdint>
#include <span>

#include "files/activity/activity.hpp"

namespace kestrova {

// A FIT activity file: the sessions' (or else the laps') total elapsed time, total timer time and
// total distance, and the record messages' timestamps with their distances (or positions).
ActivityReading ReadFit(std::span<const std::uint8_t> bytes);

}  // namespace kestrova
