#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/notifier.hpp"
#include "session/team_file.hpp"
#include "session/team_runner.hpp"

namespace kestrova {

// One line of a team file after the header, with its place in the file.
struct TeamItem {
    std::size_t lineNumber = 0;
    TeamLine line;
};

// The header of a team file (its first line that is not blank), or the message that says why
// the file named `source` is not a team file. `lineNumber` counts the lines read.
std::variant<TeamHeader, std::string> ReadTeamFileHeader(std::istream& in,
                                                         const std::string& source,
                                                         std::size_t& lineNumber);

// The next runner line of the file (blank lines are skipped), nothing at its end.
std::optional<TeamItem> NextTeamItem(std::istream& in, std::size_t& lineNumber);

// The runner a line gives (its inputs are not to be used when `error` is set).
TeamRunnerInputs ReadTeamItem(const TeamHeader& header, const TeamItem& item);

// What a file with a header and no runner line is told.
std::string NoTeamRunnersMessage(const std::string& source);

// A runner's results as the team output shows them, one text per cell: the time and the level
// at each of the `distanceCount` distances, VO2 max and the best distance in km (all empty for a
// refused runner).
std::vector<std::string> TeamResultTexts(const TeamResult& result, std::size_t distanceCount);

// A whole team, read and fitted: each runner's inputs beside its results, in the file's order.
struct TeamTableRow {
    TeamRunnerInputs runner;
    TeamResult result;
};
struct TeamTable {
    std::vector<TeamDistance> distances;
    std::vector<TeamTableRow> rows;
};

// The most runners a team table holds (each keeps its inputs).
inline constexpr std::size_t kMostTeamTableRunners = 20000;

// Reads the team file `source` from `in` and fits every runner on `threads` threads, at the
// distances of the team output. Returns the table, or the message that says why the file cannot
// be used. `stopped` is asked between runners; once it says yes the reading ends early.
std::variant<TeamTable, std::string> ReadTeamTable(std::istream& in, const std::string& source,
                                                   std::size_t threads,
                                                   const std::function<bool()>& stopped);

// The line over a team table: how many runners the file `source` gave, how many were refused,
// and what a double-click does.
std::string TeamTableSummary(const std::vector<TeamTableRow>& rows, const std::string& source);

// Why a line that could not be read gives no runner to put into the main window.
std::string TeamLineUnusableMessage(const TeamRunnerInputs& runner);

// Asked before a runner of a team replaces races the user typed in the main window.
Question ReplaceTypedRacesQuestion(const TeamRunnerInputs& runner);

}  // namespace kestrova
