#pragma once

#include <pugixml.hpp>

#include "files/activity/activity.hpp"

namespace kestrova {

// A GPX 1.1 document's tracks (every <trk>, each <trkseg> a segment) as one activity: the
// points' times, and the distance measured along their positions.
ActivityReading ReadGpx(const pugi::xml_document& document);

}  // namespace kestrova
