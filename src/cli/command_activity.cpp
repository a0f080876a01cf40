#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "files/activity/activity_file.hpp"
#include "files/activity/activity_race_row.hpp"
#include "files/activity/activity_text.hpp"
#include "files/activity/track_builder.hpp"
#include "model/text_sink.hpp"

namespace kestrova {
namespace {

std::string EffortJson(const BestEffort& effort) {
    const RowDistance row = BestRowDistance(effort.distance.meters);
    return "{" + JsonField("distance", JsonString(effort.distance.label)) +
           JsonField("meters", JsonNumber(effort.distance.meters)) +
           JsonField("seconds", JsonNumber(effort.seconds)) +
           JsonField("startSeconds", JsonNumber(effort.startSeconds)) +
           JsonField("startMeters", JsonNumber(effort.startMeters)) +
           JsonField("rowNumber", JsonString(row.number)) +
           JsonField("rowUnit", JsonString(UnitLabel(row.unit)), true) + "}";
}

std::string ActivityJson(const Activity& activity, const std::vector<BestEffort>& efforts) {
    std::vector<std::string> objects;
    for (const BestEffort& effort : efforts) {
        objects.push_back(EffortJson(effort));
    }
    const RowDistance row = BestRowDistance(activity.distanceMeters);
    return "{\n  " + JsonField("format", JsonString(activity.format)) + "\n  " +
           JsonField("startTime", activity.startTime ? std::to_string(*activity.startTime)
                                                     : std::string("null")) +
           "\n  " + JsonField("distanceMeters", JsonNumber(activity.distanceMeters)) + "\n  " +
           JsonField("elapsedSeconds", JsonNumber(activity.elapsedSeconds)) + "\n  " +
           JsonField("movingSeconds", JsonNumber(activity.movingSeconds)) + "\n  " +
           JsonField("rowNumber", JsonString(row.number)) +
           JsonField("rowUnit", JsonString(UnitLabel(row.unit))) + "\n  " +
           JsonField("points", std::to_string(activity.series.size())) +
           JsonField("pointsLeftOut", std::to_string(activity.pointsLeftOut)) +
           JsonField("gaps", std::to_string(activity.gaps)) +
           JsonField("longestGapSeconds", JsonNumber(activity.longestGapSeconds)) + "\n  " +
           "\"bestEfforts\": [\n" + JsonObjectLines(objects) + "  ]\n}\n";
}

// The activity and its best efforts, as the import window shows them. The file is only read.
int RunActivity(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    if (invocation.positionals.size() != 1 || invocation.positionals.front().empty()) {
        return UsageError(err, "activity needs the name of a GPX, TCX or FIT file");
    }
    const std::filesystem::path file = invocation.currentDirectory / invocation.positionals.front();
    const ActivityReading reading = ReadActivityFile(file);
    if (!reading.activity) {
        err << reading.problem << '\n';
        return kExitUsageOrFile;
    }
    const std::vector<BestEffort> efforts = FindBestEfforts(reading.activity->series);
    if (invocation.Flag("--json")) {
        out << ActivityJson(*reading.activity, efforts);
        return kExitPrinted;
    }
    LineBuffer lines;
    WriteActivity(lines, file.filename().string(), *reading.activity, efforts);
    out << lines.Text();
    return kExitPrinted;
}

}  // namespace

CliCommand ActivityCommand() {
    return {
        "activity",
        "FILE [--json]",
        "Print a run from a watch or running app (a GPX, TCX or FIT\n"
        "file): its date, distance, elapsed and moving time, and the\n"
        "fastest time over each standard distance inside it, as the\n"
        "\"Import race from activity file\" window shows them. A file\n"
        "that cannot be used is refused with the reason on standard error.",
        {JsonOption("Print the activity as JSON instead: totals in metres and\n"
                    "seconds, and each best effort with where it starts.")},
        1,
        RunActivity,
    };
}

}  // namespace kestrova
