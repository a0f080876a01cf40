#include "files/activity/activity_file.hpp"

#include <cmath>
#include <fstream>
#include <span>
#include <string>

#include <pugixml.hpp>

#include "files/activity/fit_decoder.hpp"
#include "files/activity/fit_reader.hpp"
#include "files/activity/gpx_reader.hpp"
#include "files/activity/tcx_reader.hpp"
#include "files/activity/xml_nodes.hpp"

namespace kestrova {
namespace {

// Longer than any run (a week): a larger total is a damaged file.
constexpr double kLongestActivitySeconds = 7.0 * 24 * 3600;
constexpr double kLongestActivityMeters = 2000000.0;

constexpr const char* kNotActivity =
    "The file is not an activity file: a GPX, TCX or FIT file from a watch or a running app "
    "is needed.";

ActivityReading Checked(ActivityReading reading) {
    if (!reading.activity) {
        return reading;
    }
    const Activity& activity = *reading.activity;
    if (!std::isfinite(activity.distanceMeters) || activity.distanceMeters <= 0.0) {
        return ActivityProblem("The activity has no distance.");
    }
    if (!std::isfinite(activity.elapsedSeconds) || activity.elapsedSeconds <= 0.0) {
        return ActivityProblem("The activity has no time.");
    }
    if (activity.elapsedSeconds > kLongestActivitySeconds ||
        activity.distanceMeters > kLongestActivityMeters ||
        !(activity.movingSeconds >= 0.0 && activity.movingSeconds <= kLongestActivitySeconds)) {
        return ActivityProblem("The activity's totals are beyond any run: the file is damaged.");
    }
    return reading;
}

ActivityReading ReadXml(std::string_view bytes) {
    pugi::xml_document document;
    if (!ParseXml(document, bytes)) {
        return ActivityProblem(kNotActivity);
    }
    const std::string_view root = LocalName(document.document_element());
    if (root == "gpx") {
        return ReadGpx(document);
    }
    if (root == "TrainingCenterDatabase") {
        return ReadTcx(document);
    }
    return ActivityProblem(kNotActivity);
}

}  // namespace

ActivityReading ReadActivityBytes(std::string_view bytes) {
    const std::span<const std::uint8_t> raw(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size());
    if (bytes.size() > kMaxActivityFileBytes) {
        return ActivityProblem("The file is too large for an activity.");
    }
    if (LooksLikeFit(raw)) {
        return Checked(ReadFit(raw));
    }
    return Checked(ReadXml(bytes));
}

ActivityReading ReadActivityFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return ActivityProblem(name + ": the file cannot be opened.");
    }
    std::string bytes;
    char buffer[65536];
    // At most one block past the limit is read, so the size check below sees a file too large.
    while (file && bytes.size() <= kMaxActivityFileBytes) {
        file.read(buffer, sizeof buffer);
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) {
        return ActivityProblem(name + ": the file cannot be read.");
    }
    ActivityReading reading = ReadActivityBytes(bytes);
    if (!reading.activity) {
        reading.problem = name + ": " + reading.problem;
    }
    return reading;
}

}  // namespace kestrova
