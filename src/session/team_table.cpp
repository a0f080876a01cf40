#include "session/team_table.hpp"

#include <algorithm>
#include <utility>

#include "analyses/training_analysis.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"
#include "session/ordered_pool.hpp"

namespace kestrova {
namespace {

constexpr const char* kTeamDistances = "5km,10km,hmara,mara";
// Runners held at once per thread: enough to keep every thread busy.
constexpr std::size_t kRunnersPerThread = 64;

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::string TooLongMessage(std::size_t lineNumber) {
    return "line " + std::to_string(lineNumber) + " is longer than " +
           std::to_string(kMostTeamLineBytes) + " bytes";
}

}  // namespace

std::variant<TeamHeader, std::string> ReadTeamFileHeader(std::istream& in,
                                                         const std::string& source,
                                                         std::size_t& lineNumber) {
    std::optional<TeamLine> line;
    // Each pass reads one line of the stream; the stream's end stops it.
    while ((line = ReadTeamLine(in)) && IsBlank(line->text) && !line->tooLong) {
        ++lineNumber;
    }
    if (!line) {
        return source +
               " is empty: a team file starts with a header line such as name,sex,age,5km,10km";
    }
    ++lineNumber;
    if (line->tooLong) {
        return source + " is not a team file (its first line is longer than " +
               std::to_string(kMostTeamLineBytes) + " bytes)";
    }
    auto header = ReadTeamHeader(line->text);
    if (const auto* why = std::get_if<std::string>(&header)) {
        return source + " is not a team file (" + *why + ")";
    }
    return std::get<TeamHeader>(std::move(header));
}

std::optional<TeamItem> NextTeamItem(std::istream& in, std::size_t& lineNumber) {
    // Each pass reads one line; blank lines are skipped, the stream's end stops it.
    while (std::optional<TeamLine> line = ReadTeamLine(in)) {
        ++lineNumber;
        if (line->tooLong || !IsBlank(line->text)) {
            return TeamItem{lineNumber, std::move(*line)};
        }
    }
    return std::nullopt;
}

TeamRunnerInputs ReadTeamItem(const TeamHeader& header, const TeamItem& item) {
    if (item.line.tooLong) {
        TeamRunnerInputs runner;
        runner.error = TooLongMessage(item.lineNumber);
        return runner;
    }
    return ReadTeamRunner(header, item.line.text);
}

std::string NoTeamRunnersMessage(const std::string& source) {
    return source + " has a header line but no runners";
}

std::vector<std::string> TeamResultTexts(const TeamResult& result, std::size_t distanceCount) {
    if (!result.error.empty()) {
        return std::vector<std::string>(2 * distanceCount + 2);
    }
    std::vector<std::string> texts;
    for (const TeamPrediction& prediction : result.predictions) {
        texts.push_back(TrimBlanks(FormatTime(prediction.seconds)));
        texts.push_back(TrimBlanks(PrintedWholeNumber(prediction.levelPercent)));
    }
    texts.push_back(TrimBlanks(PrintedWholeNumber(result.vo2Max)));
    texts.push_back(TrimBlanks(PrintedHundredths(result.bestKm)));
    return texts;
}

std::variant<TeamTable, std::string> ReadTeamTable(std::istream& in, const std::string& source,
                                                   std::size_t threads,
                                                   const std::function<bool()>& stopped) {
    std::size_t lineNumber = 0;
    auto header = ReadTeamFileHeader(in, source, lineNumber);
    if (auto* why = std::get_if<std::string>(&header)) {
        return std::move(*why);
    }
    std::string why;
    TeamTable table;
    table.distances = ReadTeamDistances(kTeamDistances, why).value_or(std::vector<TeamDistance>{});
    bool tooMany = false;
    std::size_t taken = 0;
    const std::function<std::optional<TeamItem>()> next = [&]() -> std::optional<TeamItem> {
        if (stopped()) {
            return std::nullopt;
        }
        std::optional<TeamItem> item = NextTeamItem(in, lineNumber);
        if (item && ++taken > kMostTeamTableRunners) {
            tooMany = true;
            return std::nullopt;
        }
        return item;
    };
    const std::function<TeamTableRow(const TeamItem&)> work = [&](const TeamItem& item) {
        TeamTableRow row{ReadTeamItem(std::get<TeamHeader>(header), item), {}};
        row.result = FitTeamRunner(row.runner, table.distances);
        return row;
    };
    const std::function<void(const TeamTableRow&)> keep = [&](const TeamTableRow& row) {
        table.rows.push_back(row);
    };
    MapInOrder(threads, threads * kRunnersPerThread, next, work, keep);
    if (tooMany) {
        return source + " has more than " + std::to_string(kMostTeamTableRunners) +
               " runners; kestrova-cli team reads a file of any length";
    }
    if (table.rows.empty() && !stopped()) {
        return NoTeamRunnersMessage(source);
    }
    return table;
}

std::string TeamTableSummary(const std::vector<TeamTableRow>& rows, const std::string& source) {
    const auto refused = std::count_if(rows.begin(), rows.end(), [](const TeamTableRow& row) {
        return !row.result.error.empty();
    });
    return std::to_string(rows.size()) + (rows.size() == 1 ? " runner" : " runners") + " in " +
           source + (refused > 0 ? " (" + std::to_string(refused) + " refused)" : "") +
           ". Click a heading to sort; double-click a runner to put the runner into the main "
           "window.";
}

std::string TeamLineUnusableMessage(const TeamRunnerInputs& runner) {
    return "This line of the team file gives no runner for the main window: " + runner.error + ".";
}

Question ReplaceTypedRacesQuestion(const TeamRunnerInputs& runner) {
    const std::string who = runner.name.empty() ? std::string("this runner") : runner.name;
    return Question{
        "The main window holds races you typed. Replace the runner and the races "
        "with those of " +
            who + "?",
        "Team", "Replace", "Cancel"};
}

}  // namespace kestrova
