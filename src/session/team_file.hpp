#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/main_form_inputs.hpp"
#include "session/runner_inputs.hpp"

namespace kestrova {

// A team file: CSV in UTF-8, one runner per line after a header line that names the columns:
// name, sex, age, weekly_miles or weekly_km, weight_kg (or weight) or weight_lb, race columns
// named by their distance ("5km", "10000m", "3mi", "hmara") holding times, and optionally fit,
// level and age_graded. Empty cells leave the main window's start-up value; an empty race cell
// means no race.

// The longest line read; a longer one is refused rather than held in memory.
inline constexpr std::size_t kMostTeamLineBytes = std::size_t{64} * 1024;

// One line of a stream without its end (LF or CRLF), at most kMostTeamLineBytes long; the rest
// of a longer line is skipped and `tooLong` set. Nothing at the end of the stream.
struct TeamLine {
    std::string text;
    bool tooLong = false;
};
std::optional<TeamLine> ReadTeamLine(std::istream& in);

// The cells of one CSV line: commas between cells, a cell in double quotes may hold commas and
// doubled quotes. Returns why it cannot be split (a quote left open, text after a closing quote).
std::variant<std::vector<std::string>, std::string> SplitCsvLine(std::string_view line);

// Why a line is not UTF-8 text (a NUL or other control byte, a malformed sequence), if it is not.
std::optional<std::string> NotUtf8Text(std::string_view line);

struct TeamColumn {
    enum class Kind { Name, Profile, Race };
    Kind kind = Kind::Name;
    std::string heading;              // as the header names it
    RunnerFieldSetter set = nullptr;  // Profile
};

struct TeamHeader {
    std::vector<TeamColumn> columns;
};

// The header line's columns, or why it cannot be used (an unknown or repeated column, no race
// column).
std::variant<TeamHeader, std::string> ReadTeamHeader(std::string_view line);

// One runner of the file: the name and the main window's inputs the line gives, or why the line
// cannot be used (then `form` is not to be used).
struct TeamRunnerInputs {
    std::string name;
    MainFormInputs form;
    std::string error;
};
TeamRunnerInputs ReadTeamRunner(const TeamHeader& header, std::string_view line);

}  // namespace kestrova
