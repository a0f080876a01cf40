#pragma once

#include <pugixml.hpp>

#include "files/activity/activity.hpp"

namespace kestrova {

// The first activity of a TCX document: its laps' total time and distance, and its track points
// (each <Track> a segment) with their recorded DistanceMeters, or their positions where no point
// records a distance.
ActivityReading ReadTcx(const pugi::xml_document& document);

}  // namespace kestrova
