#pragma once

#include <filesystem>
#include <string_view>

#include "files/activity/activity.hpp"

namespace kestrova {

// An activity from a file's bytes, whatever its name: a FIT header makes it a FIT file, an XML
// document whose root is <gpx> or <TrainingCenterDatabase> a GPX or TCX file. Anything else, and
// an activity without a distance or a time, is refused with the reason.
ActivityReading ReadActivityBytes(std::string_view bytes);

// The same for a file (at most kMaxActivityFileBytes). A problem names the file:
// "run.gpx: The GPX file holds no track points."
ActivityReading ReadActivityFile(const std::filesystem::path& path);

}  // namespace kestrova
