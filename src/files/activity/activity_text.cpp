#include "files/activity/activity_text.hpp"

#include <cstdio>

#include "files/activity/activity_race_row.hpp"
#include "files/activity/track_builder.hpp"
#include "files/activity/utc_time.hpp"
#include "model/distance_unit.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr int kValueColumn = 16;
constexpr int kTimeColumn = 17;
constexpr int kPaceColumn = 29;
constexpr int kStartColumn = 41;

}  // namespace

std::string TenthsTimeText(double seconds) {
    const std::optional<long long> rounded = RoundHalfEven(seconds * 10.0);
    if (!rounded || *rounded < 0) {
        return "--";
    }
    const long long tenths = *rounded;
    char text[64];
    if (tenths >= 36000) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%lld", tenths / 36000,
                      tenths / 600 % 60, tenths / 10 % 60, tenths % 10);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld.%lld", tenths / 600, tenths / 10 % 60,
                      tenths % 10);
    }
    return text;
}

namespace {

std::string TimeText(double seconds) {
    return TenthsTimeText(seconds);
}

void Line(TextSink& sink, const std::string& label, const std::string& value) {
    sink.Write(label);
    sink.MoveToColumn(kValueColumn);
    sink.Write(value);
    sink.EndLine();
}

std::string Count(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void WriteNotes(TextSink& sink, const Activity& activity) {
    if (activity.pointsLeftOut > 0) {
        sink.Write("Note: " + Count(activity.pointsLeftOut, "point", "points") +
                   " left out: GPS jumps faster than " + FormatNumber(kGlitchSpeed, 1, 0) +
                   " m/s.");
        sink.EndLine();
    }
    if (activity.gaps > 0) {
        sink.Write("Note: " + Count(activity.gaps, "break", "breaks") +
                   " in the recording, the longest " + TimeText(activity.longestGapSeconds) + ".");
        sink.EndLine();
    }
}

void WriteEfforts(TextSink& sink, const std::vector<BestEffort>& efforts) {
    if (efforts.empty()) {
        sink.Write("Best efforts: none (the file has no time-distance points covering 400 m).");
        sink.EndLine();
        return;
    }
    sink.Write("Best efforts:");
    sink.EndLine();
    sink.Write("  Distance");
    sink.MoveToColumn(kTimeColumn + 6);
    sink.Write("Time");
    sink.MoveToColumn(kPaceColumn + 2);
    sink.Write("Pace/km");
    sink.MoveToColumn(kStartColumn);
    sink.Write("From km");
    sink.EndLine();
    for (const BestEffort& effort : efforts) {
        sink.Write("  " + effort.distance.label);
        sink.MoveToColumn(kTimeColumn);
        const std::string time = TenthsTimeText(effort.seconds);
        sink.Write(std::string(time.size() < 10 ? 10 - time.size() : 0, ' ') + time);
        sink.MoveToColumn(kPaceColumn);
        sink.Write(FormatTime(effort.seconds * 1000.0 / effort.distance.meters));
        sink.MoveToColumn(kStartColumn);
        sink.Write(FormatNumber(effort.startMeters / 1000.0, 7, 2));
        sink.EndLine();
    }
}

}  // namespace

std::vector<ActivityChoice> ActivityChoices(const Activity& activity,
                                            const std::vector<BestEffort>& efforts) {
    std::vector<ActivityChoice> choices;
    choices.push_back({"Whole activity", activity.distanceMeters, activity.elapsedSeconds});
    for (const BestEffort& effort : efforts) {
        choices.push_back({effort.distance.label, effort.distance.meters, effort.seconds});
    }
    return choices;
}

std::string ChoiceLine(const ActivityChoice& choice) {
    const RowDistance distance = BestRowDistance(choice.meters);
    const std::string number = IsFixedDistance(distance.unit) ? "" : distance.number + " ";
    return choice.label + ": " + TenthsTimeText(choice.seconds) + "  (" + number +
           UnitLabel(distance.unit) + ")";
}

void WriteActivity(TextSink& sink, const std::string& fileName, const Activity& activity,
                   const std::vector<BestEffort>& efforts) {
    Line(sink, "Activity file:", fileName + " (" + activity.format + ")");
    Line(sink, "Date:", activity.startTime ? UtcDateText(*activity.startTime) : "not recorded");
    Line(sink, "Distance:",
         FormatNumber(activity.distanceMeters / 1000.0, 1, 2) + " km (" +
             FormatNumber(activity.distanceMeters / kMetersPerMile, 1, 2) + " miles)");
    Line(sink, "Elapsed time:", TimeText(activity.elapsedSeconds));
    Line(sink, "Moving time:", TimeText(activity.movingSeconds));
    WriteNotes(sink, activity);
    WriteEfforts(sink, efforts);
}

}  // namespace kestrova
