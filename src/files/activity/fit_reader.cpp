#include "files/activity/fit_reader.hpp"

#include <optional>
#include <vector>

#include "files/activity/fit_decoder.hpp"
#include "files/activity/track_builder.hpp"

namespace kestrova {
namespace {

// Global message numbers and field numbers of the FIT profile that an activity needs.
constexpr std::uint16_t kFileIdMessage = 0;
constexpr std::uint16_t kSessionMessage = 18;
constexpr std::uint16_t kLapMessage = 19;
constexpr std::uint16_t kRecordMessage = 20;
constexpr std::uint8_t kFileTypeField = 0;
constexpr std::uint32_t kActivityFileType = 4;
constexpr std::uint8_t kStartTimeField = 2;
constexpr std::uint8_t kElapsedTimeField = 7;  // milliseconds
constexpr std::uint8_t kTimerTimeField = 8;    // milliseconds
constexpr std::uint8_t kDistanceField = 9;     // centimetres
constexpr std::uint8_t kRecordLatitudeField = 0;
constexpr std::uint8_t kRecordLongitudeField = 1;
constexpr std::uint8_t kRecordDistanceField = 5;  // centimetres

constexpr double kDegreesPerSemicircle = 180.0 / 2147483648.0;

// The totals of the session or lap messages.
struct Totals {
    int count = 0;
    double elapsed = 0.0;
    double timer = 0.0;
    double meters = 0.0;
    std::optional<std::uint32_t> start;
};

void AddTotals(Totals& totals, const FitDataMessage& message) {
    const std::optional<std::uint32_t> elapsed = message.Unsigned(kElapsedTimeField);
    const std::optional<std::uint32_t> meters = message.Unsigned(kDistanceField);
    if (!elapsed || !meters) {
        return;
    }
    ++totals.count;
    totals.elapsed += *elapsed / 1000.0;
    totals.timer += message.Unsigned(kTimerTimeField).value_or(*elapsed) / 1000.0;
    totals.meters += *meters / 100.0;
    if (!totals.start) {
        totals.start = message.Unsigned(kStartTimeField);
    }
}

struct Record {
    double time = 0.0;  // Unix seconds
    std::optional<GeoPosition> position;
    std::optional<double> meters;
};

std::optional<Record> RecordOf(const FitDataMessage& message) {
    const std::optional<std::uint32_t> timestamp = message.Timestamp();
    if (!timestamp) {
        return std::nullopt;
    }
    Record record;
    record.time = static_cast<double>(kFitEpochUnixSeconds + *timestamp);
    const std::optional<std::int32_t> latitude = message.Signed32(kRecordLatitudeField);
    const std::optional<std::int32_t> longitude = message.Signed32(kRecordLongitudeField);
    if (latitude && longitude) {
        record.position =
            GeoPosition{*latitude * kDegreesPerSemicircle, *longitude * kDegreesPerSemicircle};
    }
    if (const std::optional<std::uint32_t> meters = message.Unsigned(kRecordDistanceField)) {
        record.meters = *meters / 100.0;
    }
    return record;
}

struct FitContents {
    std::optional<std::uint32_t> fileType;
    Totals sessions;
    Totals laps;
    std::vector<Record> records;
    bool tooManyRecords = false;
};

ActivityReading ActivityOf(const FitContents& contents) {
    bool recorded = false;
    for (const Record& record : contents.records) {
        recorded = recorded || record.meters.has_value();
    }
    TrackBuilder builder(recorded ? TrackDistances::Recorded : TrackDistances::FromPositions);
    for (const Record& record : contents.records) {
        if (!builder.Add(record.time, record.position, record.meters)) {
            return ActivityProblem(builder.Problem());
        }
    }
    Activity activity;
    activity.format = "FIT";
    builder.FillActivity(activity);
    const Totals& totals = contents.sessions.count > 0 ? contents.sessions : contents.laps;
    if (totals.count > 0) {
        activity.elapsedSeconds = totals.elapsed;
        activity.movingSeconds = totals.timer;
        activity.distanceMeters = totals.meters;
        if (totals.start) {
            activity.startTime = kFitEpochUnixSeconds + *totals.start;
        }
    } else if (activity.series.empty()) {
        return ActivityProblem("The FIT file holds no session, lap or timed record messages.");
    }
    return {activity, {}};
}

}  // namespace

ActivityReading ReadFit(std::span<const std::uint8_t> bytes) {
    FitContents contents;
    const std::string problem = DecodeFit(bytes, [&contents](const FitDataMessage& message) {
        switch (message.global) {
            case kFileIdMessage:
                if (!contents.fileType) {
                    contents.fileType = message.Unsigned(kFileTypeField);
                }
                break;
            case kSessionMessage:
                AddTotals(contents.sessions, message);
                break;
            case kLapMessage:
                AddTotals(contents.laps, message);
                break;
            case kRecordMessage:
                if (contents.records.size() >= kMaxActivityPoints) {
                    contents.tooManyRecords = true;
                } else if (std::optional<Record> record = RecordOf(message)) {
                    contents.records.push_back(*record);
                }
                break;
            default:
                break;
        }
    });
    if (!problem.empty()) {
        return ActivityProblem(problem);
    }
    if (contents.fileType && *contents.fileType != kActivityFileType) {
        return ActivityProblem(
            "The FIT file is not an activity (it holds a course, workout or settings).");
    }
    if (contents.tooManyRecords) {
        return ActivityProblem("The FIT file has more than " + std::to_string(kMaxActivityPoints) +
                               " records.");
    }
    return ActivityOf(contents);
}

}  // namespace kestrova
