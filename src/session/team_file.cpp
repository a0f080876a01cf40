#include "session/team_file.hpp"

#include <algorithm>

#include "model/distance_unit.hpp"

namespace kestrova {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lowered;
}

// The number of bytes of the UTF-8 sequence that starts with `lead`, 0 for a byte that cannot.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

std::optional<TeamColumn> ColumnNamed(std::string_view heading) {
    std::string key = Lowered(Trimmed(heading));
    if (key == "name") {
        return TeamColumn{TeamColumn::Kind::Name, key, nullptr};
    }
    if (IsRaceDistance(key)) {
        return TeamColumn{TeamColumn::Kind::Race, key, nullptr};
    }
    std::replace(key.begin(), key.end(), '_', '-');
    const std::optional<RunnerFieldSetter> setter =
        RunnerFieldNamed(key == "weight" ? "weight-kg" : key);
    if (!setter) {
        return std::nullopt;
    }
    return TeamColumn{TeamColumn::Kind::Profile, std::string(Trimmed(heading)), *setter};
}

}  // namespace

std::optional<TeamLine> ReadTeamLine(std::istream& in) {
    TeamLine line;
    bool any = false;
    char c = 0;
    while (in.get(c)) {  // ends at the stream's end; each pass reads one byte
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.text.size() < kMostTeamLineBytes) {
            line.text.push_back(c);
        } else {
            line.tooLong = true;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    if (!line.tooLong && line.text.ends_with('\r')) {
        line.text.pop_back();
    }
    return line;
}

std::variant<std::vector<std::string>, std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    bool closed = false;  // the cell's closing quote has been read
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                cells.back().push_back(c);
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                cells.back().push_back('"');
                ++i;
            } else {
                quoted = false;
                closed = true;
            }
        } else if (c == ',') {
            cells.emplace_back();
            closed = false;
        } else if (c == '"' && Trimmed(cells.back()).empty() && !closed) {
            cells.back().clear();
            quoted = true;
        } else if (closed && c != ' ' && c != '\t') {
            return std::string("text after a closing quote in cell ") +
                   std::to_string(cells.size());
        } else if (!closed) {
            cells.back().push_back(c);
        }
    }
    if (quoted) {
        return std::string("a quote is not closed in cell ") + std::to_string(cells.size());
    }
    return cells;
}

std::optional<std::string> NotUtf8Text(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        if ((lead < 0x20 && lead != '\t') || lead == 0x7F) {
            return "a control byte (" + std::to_string(lead) + ") at byte " + std::to_string(i + 1);
        }
        const std::size_t length = SequenceLength(lead);
        bool valid = length != 0 && i + length <= line.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(line[i + k]) & 0xC0) == 0x80;
        }
        if (!valid) {
            return "bytes that are not UTF-8 at byte " + std::to_string(i + 1);
        }
        i += length;
    }
    return std::nullopt;
}

std::variant<TeamHeader, std::string> ReadTeamHeader(std::string_view line) {
    if (line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (const std::optional<std::string> why = NotUtf8Text(line)) {
        return "the header line is not text: " + *why;
    }
    auto cells = SplitCsvLine(line);
    if (const auto* why = std::get_if<std::string>(&cells)) {
        return "the header line cannot be read: " + *why;
    }
    TeamHeader header;
    bool anyRace = false;
    for (const std::string& cell : std::get<std::vector<std::string>>(cells)) {
        const std::optional<TeamColumn> column = ColumnNamed(cell);
        if (!column) {
            return "the header names an unknown column '" + cell +
                   "' (known: name, sex, age, weekly_miles, weekly_km, weight_kg, weight_lb, "
                   "fit, level, age_graded and race distances such as 5km, 10000m, 3mi, mara)";
        }
        const bool repeated =
            std::any_of(header.columns.begin(), header.columns.end(),
                        [&](const TeamColumn& other) { return other.heading == column->heading; });
        if (repeated) {
            return "the header names the column '" + column->heading + "' twice";
        }
        anyRace = anyRace || column->kind == TeamColumn::Kind::Race;
        header.columns.push_back(*column);
    }
    if (!anyRace) {
        return std::string("the header names no race column (such as 5km, 10km or hmara)");
    }
    return header;
}

TeamRunnerInputs ReadTeamRunner(const TeamHeader& header, std::string_view line) {
    TeamRunnerInputs runner;
    ClearRaceRows(runner.form);
    if (const std::optional<std::string> why = NotUtf8Text(line)) {
        runner.error = "the line is not text: " + *why;
        return runner;
    }
    auto split = SplitCsvLine(line);
    if (const auto* why = std::get_if<std::string>(&split)) {
        runner.error = "the line cannot be read: " + *why;
        return runner;
    }
    const auto& cells = std::get<std::vector<std::string>>(split);
    if (cells.size() > header.columns.size()) {
        runner.error = "the line has " + std::to_string(cells.size()) + " cells, the header " +
                       std::to_string(header.columns.size()) + " columns";
        return runner;
    }
    std::size_t races = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TeamColumn& column = header.columns[i];
        const std::string_view cell = Trimmed(cells[i]);
        if (column.kind == TeamColumn::Kind::Name) {
            runner.name = std::string(cell);
            runner.form.txtname = runner.name;
            continue;
        }
        if (cell.empty()) {
            continue;
        }
        RunnerInputError error;
        if (column.kind == TeamColumn::Kind::Profile) {
            error = column.set(runner.form, cell);
        } else if (races == runner.form.rows.size()) {
            error = "is a sixth race; a runner has at most five";
        } else {
            error = SetRaceRow(runner.form.rows[races++], column.heading, cell);
        }
        if (error) {
            runner.error = column.heading + " " + *error;
            return runner;
        }
    }
    return runner;
}

}  // namespace kestrova
