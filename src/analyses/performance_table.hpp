#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/text_sink.hpp"

namespace kestrova {

// The three tables of the performance tables window (pertabspec).
enum class PerformanceTableKind {
    General,     // "General performance levels": nine levels, from the record curve alone
    TimesByAge,  // "Times by age for level": nine ages at one level, age-graded
    Individual,  // "Individual performance by age": the runner's own predictions at nine ages
};

inline constexpr int kPerformanceTableRows = 24;

// What the window holds when its "Calculate" is pressed: the kind chosen and the texts of the
// boxes "Minimum" (Text1), "Interval" (Text2) and the level in per cent (lev).
struct PerformanceTableRequest {
    PerformanceTableKind kind = PerformanceTableKind::General;
    std::string minimum = "60";
    std::string interval = "5";
    std::string level = "100";
};

// One distance of the table with its nine times (s).
struct PerformanceTableRow {
    std::string label;  // as printed: nine characters, " half mara" ten
    double distance = 0.0;
    std::array<double, kLevelTableColumns> times{};
};

// A finished table: the "Performance levels" window's caption, the nine column values (levels
// in per cent or ages in years) and the 24 rows.
struct PerformanceTable {
    PerformanceTableKind kind = PerformanceTableKind::General;
    std::string caption;
    std::array<double, kLevelTableColumns> columns{};
    std::array<PerformanceTableRow, kPerformanceTableRows> rows{};
};

inline constexpr const char* kMustCalculateFirstMessage =
    "Must calculate current performances first";

// The labels and distances (m) of the table's rows, top to bottom.
struct PerformanceTableDistance {
    const char* label;
    double meters;
};
const std::array<PerformanceTableDistance, kPerformanceTableRows>& PerformanceTableDistances();

// The nine column values: N(minimum) + N(interval) * c for c = 0 ... 8.
std::array<double, kLevelTableColumns> ColumnValues(const PerformanceTableRequest& request);

// Why the request's boxes give columns no table can be made of (a box without a number, a level or
// an age of 0 or less in any column, a column beyond the range of numbers), naming the box; or
// nothing when the table can be made.
std::optional<std::string> ColumnValueProblem(const PerformanceTableRequest& request);

// The "Maximum" box's text for these "Minimum" and "Interval" texts: minimum + 8 * interval as
// a number text with a leading blank for a positive number.
std::string MaximumText(std::string_view minimum, std::string_view interval);

// Makes the table for the runner whose main window inputs are `form`, with the state's sex. The
// age is the main window's age box, which the state keeps afterwards; the age flag and the
// runner's fitted curve are as they were (the individual table fits its nine runners on a copy
// of the state); levelTableDist and levelTableTimes hold the table's distances and, for the
// individual table, its times. A table that cannot be made is refused with a message (the
// individual table before any completed Calculate, or the ColumnValueProblem) and changes
// nothing.
std::optional<PerformanceTable> GeneratePerformanceTable(ModelState& state,
                                                         const PerformanceTableRequest& request,
                                                         const MainFormInputs& form,
                                                         Notifier& notifier);

// Writes the table's lines as the "Performance levels" window shows them: the header of column
// values, then the 24 rows in groups of six, each group followed by an empty line.
void WritePerformanceTable(const PerformanceTable& table, TextSink& sink);

}  // namespace kestrova
