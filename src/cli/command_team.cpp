#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>
#include <thread>
#include <utility>

#include "analyses/training_analysis.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"
#include "session/ordered_pool.hpp"
#include "session/team_runner.hpp"

namespace kestrova {
namespace {

constexpr const char* kDefaultDistances = "5km,10km,hmara,mara";
constexpr std::size_t kMostThreads = 256;
// Runners held at once: enough to keep every thread busy, small enough not to matter.
constexpr std::size_t kRunnersPerThread = 64;
constexpr std::size_t kProgressEvery = 1000;

// One line of the file after the header, with where it was.
struct TeamItem {
    std::size_t lineNumber = 0;
    TeamLine line;
};

// A cell as a spreadsheet reads it back: quoted when it holds a comma, a quote or a line end.
// A text that starts with =, +, -, @, a tab or a carriage return would be run as a formula when
// the file is opened in a spreadsheet: it is quoted with an apostrophe in front, which makes the
// spreadsheet show it as plain text.
std::string CsvCell(const std::string& text) {
    const bool formulaLike =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formulaLike && text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = formulaLike ? "\"'" : "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string CsvHeader(const std::vector<TeamDistance>& distances) {
    std::string header = "name";
    for (const TeamDistance& distance : distances) {
        header += "," + distance.name + "," + distance.name + "_level";
    }
    return header + ",vo2max,best_km,error\n";
}

// Times and levels as the prediction table prints them, VO2 max and the best distance as the
// analysis window does.
std::string CsvLine(const TeamResult& result, std::size_t distanceCount) {
    std::string line = CsvCell(result.name);
    if (!result.error.empty()) {
        return line + std::string(2 * distanceCount + 2, ',') + "," + CsvCell(result.error) + "\n";
    }
    for (const TeamPrediction& prediction : result.predictions) {
        line += "," + TrimBlanks(FormatTime(prediction.seconds)) + "," +
                TrimBlanks(PrintedWholeNumber(prediction.levelPercent));
    }
    return line + "," + TrimBlanks(PrintedWholeNumber(result.vo2Max)) + "," +
           TrimBlanks(PrintedHundredths(result.bestKm)) + ",\n";
}

// The numbers in full, as table --json gives them.
std::string JsonLine(const TeamResult& result, const std::vector<TeamDistance>& distances) {
    std::string predictions;
    for (std::size_t i = 0; i < result.predictions.size(); ++i) {
        predictions += (i == 0 ? "{" : ", {") +
                       JsonField("distance", JsonString(distances[i].name)) +
                       JsonField("distanceMeters", JsonNumber(distances[i].meters)) +
                       JsonField("predictedSeconds", JsonNumber(result.predictions[i].seconds)) +
                       JsonField("performanceLevelPercent",
                                 JsonNumber(result.predictions[i].levelPercent), true) +
                       "}";
    }
    const bool refused = !result.error.empty();
    return "{" + JsonField("name", JsonString(result.name)) +
           JsonField("predictions", "[" + predictions + "]") +
           JsonField("vo2Max", refused ? "null" : JsonNumber(result.vo2Max)) +
           JsonField("bestKm", refused ? "null" : JsonNumber(result.bestKm)) +
           JsonField("error", refused ? JsonString(result.error) : "null", true) + "}\n";
}

std::optional<std::size_t> ThreadCount(const CliInvocation& invocation, std::ostream& err) {
    const std::optional<std::string> given = invocation.Value("--threads");
    if (!given) {
        return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMostThreads);
    }
    const std::optional<double> value = ReadWholeNumber(*given);
    if (!value || *value < 1 || *value > static_cast<double>(kMostThreads) ||
        *value != std::floor(*value)) {
        UsageError(err, "--threads needs a whole number from 1 to 256, not '" + *given + "'");
        return std::nullopt;
    }
    return static_cast<std::size_t>(*value);
}

// Where the runners come from: the named file, or standard input for "-".
struct TeamSource {
    std::ifstream file;
    std::istream* in = nullptr;
    std::string name;
};

bool OpenTeamSource(const CliInvocation& invocation, TeamSource& source, std::ostream& err) {
    const std::string& named = invocation.positionals.front();
    if (named == kStandardStreamName) {
        source.name = "(standard input)";
        source.in = invocation.console.input;
        if (source.in == nullptr) {
            UsageError(err, "there is no standard input to read the team from");
        }
        return source.in != nullptr;
    }
    source.name = named;
    std::error_code ignored;
    if (std::filesystem::is_directory(named, ignored)) {
        UsageError(err, "cannot read the team file " + named + " (it is a directory)");
        return false;
    }
    source.file.open(named, std::ios::binary);
    if (!source.file) {
        UsageError(err, "cannot read the team file " + named + " (" +
                            (std::filesystem::exists(named, ignored) ? "it cannot be opened"
                                                                     : "it does not exist") +
                            ")");
        return false;
    }
    source.in = &source.file;
    return true;
}

// The first line that is not blank, as the header; the number of lines read goes to lineNumber.
std::optional<TeamHeader> ReadHeader(TeamSource& source, std::size_t& lineNumber,
                                     std::ostream& err) {
    std::optional<TeamLine> line;
    // Each pass reads one line of the stream; the stream's end stops it.
    while ((line = ReadTeamLine(*source.in)) &&
           line->text.find_first_not_of(" \t") == std::string::npos && !line->tooLong) {
        ++lineNumber;
    }
    if (!line) {
        UsageError(err, source.name +
                            " is empty: a team file starts with a header line such as "
                            "name,sex,age,5km,10km");
        return std::nullopt;
    }
    ++lineNumber;
    if (line->tooLong) {
        UsageError(err, source.name + " is not a team file (its first line is longer than " +
                            std::to_string(kMostTeamLineBytes) + " bytes)");
        return std::nullopt;
    }
    auto header = ReadTeamHeader(line->text);
    if (const auto* why = std::get_if<std::string>(&header)) {
        UsageError(err, source.name + " is not a team file (" + *why + ")");
        return std::nullopt;
    }
    return std::get<TeamHeader>(std::move(header));
}

TeamResult FitItem(const TeamHeader& header, const std::vector<TeamDistance>& distances,
                   const TeamItem& item) {
    if (item.line.tooLong) {
        TeamResult result;
        result.error = "line " + std::to_string(item.lineNumber) + " is longer than " +
                       std::to_string(kMostTeamLineBytes) + " bytes";
        return result;
    }
    return FitTeamRunner(ReadTeamRunner(header, item.line.text), distances);
}

bool ShowsProgress(const std::ostream& err) {
    return &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
}

int RunTeam(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    if (invocation.positionals.empty()) {
        return UsageError(err, "team needs a team file (or - for standard input)");
    }
    std::string why;
    const auto distances =
        ReadTeamDistances(invocation.Value("--distances").value_or(kDefaultDistances), why);
    if (!distances) {
        return UsageError(err, "--distances: " + why);
    }
    const std::optional<std::size_t> threads = ThreadCount(invocation, err);
    TeamSource source;
    if (!threads || !OpenTeamSource(invocation, source, err)) {
        return kExitUsageOrFile;
    }
    std::size_t lineNumber = 0;
    const std::optional<TeamHeader> header = ReadHeader(source, lineNumber, err);
    if (!header) {
        return kExitUsageOrFile;
    }
    const bool json = invocation.Flag("--json");
    const bool progress = ShowsProgress(err);
    std::size_t written = 0;
    bool anyRefused = false;
    const std::function<std::optional<TeamItem>()> next = [&]() -> std::optional<TeamItem> {
        // Each pass reads one line; blank lines are skipped, the stream's end stops it.
        while (std::optional<TeamLine> line = ReadTeamLine(*source.in)) {
            ++lineNumber;
            if (line->tooLong || line->text.find_first_not_of(" \t") != std::string::npos) {
                return TeamItem{lineNumber, std::move(*line)};
            }
        }
        return std::nullopt;
    };
    const std::function<TeamResult(const TeamItem&)> work = [&](const TeamItem& item) {
        return FitItem(*header, *distances, item);
    };
    const std::function<void(const TeamResult&)> emit = [&](const TeamResult& result) {
        if (written == 0 && !json) {
            out << CsvHeader(*distances);
        }
        out << (json ? JsonLine(result, *distances) : CsvLine(result, distances->size()));
        anyRefused = anyRefused || !result.error.empty();
        ++written;
        if (progress && written % kProgressEvery == 0) {
            err << "\rkestrova-cli team: " << written << " runners" << std::flush;
        }
    };
    MapInOrder(*threads, *threads * kRunnersPerThread, next, work, emit);
    if (progress && written >= kProgressEvery) {
        err << "\rkestrova-cli team: " << written << " runners\n";
    }
    if (written == 0) {
        return UsageError(err, source.name + " has a header line but no runners");
    }
    return anyRefused ? kExitRefused : kExitPrinted;
}

}  // namespace

CliCommand TeamCommand() {
    return {
        "team",
        "FILE [--distances LIST] [--json] [--threads N]",
        "Predictions for a whole team: one runner per line of FILE, a CSV\n"
        "file (\"-\" for standard input) whose header names the columns:\n"
        "name, sex, age, weekly_miles or weekly_km, weight_kg or weight_lb,\n"
        "race columns named by distance (5km, 10000m, 3mi, hmara, mara)\n"
        "holding times, and optionally fit, level and age_graded. For each\n"
        "runner, fitted as \"table\" does, one line in the file's order: the\n"
        "predicted time and performance level at each distance, VO2 max and\n"
        "the best distance of the analysis, or the message that refused the\n"
        "runner in the error column (status 3; the others go on).",
        {{"--distances", "LIST",
          "The distances to predict, by comma (default 5km,10km,hmara,mara)."},
         JsonOption("One JSON object per runner and line instead, the numbers in\n"
                    "full (seconds, per cent, ml/kg/min, km)."),
         {"--threads", "N", "Runners fitted at once (default: one per processor core)."}},
        1,
        RunTeam,
    };
}

}  // namespace kestrova
