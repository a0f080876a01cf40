#include <cmath>
#include <filesystem>
#include <string>

#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "cli/stream_notifier.hpp"
#include "files/file_access.hpp"
#include "files/race_list.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

constexpr const char* kUnitFields[kDistanceUnitCount] = {
    "unitMiles", "unitYards", "unitKilometers", "unitMeters", "unitMarathon", "unitHalfMarathon",
};

// A stored float as JSON: the digits the list shows, or null when it is not finite.
std::string JsonFloat(float value) {
    return std::isfinite(value) ? FloatText(value) : "null";
}

std::string RaceJson(const SavedRaceRecord& race, const std::optional<std::string>& damage) {
    std::string json =
        "    {" + JsonField("raceNumber", std::to_string(race.raceNumber)) +
        JsonField("hours", JsonFloat(race.hours)) + JsonField("minutes", JsonFloat(race.minutes)) +
        JsonField("seconds", JsonFloat(race.seconds)) + JsonField("number", JsonFloat(race.number));
    for (int unit = 0; unit < kDistanceUnitCount; ++unit) {
        json += JsonField(kUnitFields[unit], JsonString(UnitText(race, unit)));
    }
    const std::optional<DistanceUnit> unit = MarkedUnit(race);
    const double meters =
        unit ? RaceDistanceMeters(static_cast<double>(race.number), unit) : std::nan("");
    json += JsonField("comment", JsonString(TrimTrailingBlanks(CommentText(race)))) +
            JsonField("distanceMeters", JsonNumber(meters), !damage);
    if (damage) {
        json += JsonField("damaged", JsonString(*damage), true);
    }
    return json + "}";
}

std::string RacesJson(const FileAccessState& state) {
    std::string json = "{\n  \"races\": [\n";
    for (int n = 1; n <= state.recordCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        json += RaceJson(state.raceTable[row], state.damage[row]) +
                (n < state.recordCount ? ",\n" : "\n");
    }
    json += "  ],\n  " + JsonField("readOnly", state.readOnly ? "true" : "false", true) + "\n}\n";
    return json;
}

// The file's races as "Open Existing" lists them. The file is only read.
int RunRaces(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    if (invocation.positionals.size() != 1) {
        return UsageError(err, "races needs the name of a race file");
    }
    FileAccessState state;
    StreamNotifier notifier(err);
    const std::filesystem::path file = invocation.currentDirectory / invocation.positionals.front();
    OpenExisting(state, invocation.positionals.front().empty() ? "" : file.string(), notifier);
    if (!state.fileOpen || state.refused) {
        return kExitUsageOrFile;
    }
    if (invocation.Flag("--json")) {
        out << RacesJson(state);
        return kExitPrinted;
    }
    out << kRaceListHeading << '\n';
    PrintLines(state.listLines, out);
    return kExitPrinted;
}

}  // namespace

CliCommand RacesCommand() {
    return {
        "races",
        "FILE [--json]",
        "Print the races of a saved race file (.kst) under their heading,\n"
        "as the \"File Access for Saved Races\" window lists them after\n"
        "\"Open Existing\". What is odd about the file goes to standard\n"
        "error; a file that is no race file is refused (exit status 2).\n"
        "The file is never written.",
        {JsonOption("Print the races as JSON instead: every record's fields\n"
                    "and its distance in metres (null without a unit), and\n"
                    "\"damaged\" with the reason for a record that is no race.")},
        1,
        RunRaces,
    };
}

}  // namespace kestrova
