#include <cmath>

#include "analyses/performance_table.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"

namespace kestrova {
namespace {

constexpr std::size_t kLastColumn = kLevelTableColumns - 1;

// Beyond these every time of a table shows as 0.0 or as nonsense: a level of 1000 % is ten times
// the record speed, and the record curve's age grading holds for human ages only.
constexpr double kMostLevelPercent = 1000.0;
constexpr double kMostAge = 200.0;

double MostColumnValue(PerformanceTableKind kind) {
    return kind == PerformanceTableKind::General ? kMostLevelPercent : kMostAge;
}

// What the columns of a kind hold, as the messages name it.
const char* ColumnWord(PerformanceTableKind kind) {
    return kind == PerformanceTableKind::General ? "performance level" : "age";
}

std::optional<std::string> MissingNumber(const PerformanceTableRequest& request) {
    if (!StartsWithNumber(request.minimum)) {
        return "The Minimum box must hold a number.";
    }
    if (!StartsWithNumber(request.interval)) {
        return "The Interval box must hold a number.";
    }
    if (request.kind == PerformanceTableKind::TimesByAge && !StartsWithNumber(request.level)) {
        return "The level box of \"Times by age for level\" must hold a number.";
    }
    return std::nullopt;
}

}  // namespace

const std::array<PerformanceTableDistance, kPerformanceTableRows>& PerformanceTableDistances() {
    static constexpr std::array<PerformanceTableDistance, kPerformanceTableRows> kDistances = {{
        {"   100 m ", 100.0},    {"   200 m ", 200.0},    {"   400 m ", 400.0},
        {"   440 yd", 402.34},   {"   800 m ", 800.0},    {"   880 yd", 804.67},
        {"  1000 m ", 1000.0},   {"  1500 m ", 1500.0},   {"  1600 m ", 1600.0},
        {"  1 mile ", 1609.34},  {"  3000 m ", 3000.0},   {"  3200 m ", 3200.0},
        {"  2 miles", 3218.69},  {"  3 miles", 4828.03},  {"    5 km ", 5000.0},
        {"    8 km ", 8000.0},   {"  5 miles", 8046.72},  {"   10 km ", 10000.0},
        {"   15 km ", 15000.0},  {" 10 miles", 16093.44}, {"   20 km ", 20000.0},
        {" half mara", 21097.5}, {"   30 km ", 30000.0},  {" marathon", 42195.0},
    }};
    return kDistances;
}

std::array<double, kLevelTableColumns> ColumnValues(const PerformanceTableRequest& request) {
    const double minimum = ReadAsNumber(request.minimum);
    const double interval = ReadAsNumber(request.interval);
    std::array<double, kLevelTableColumns> values{};
    for (int c = 0; c < kLevelTableColumns; ++c) {
        values[static_cast<std::size_t>(c)] = minimum + interval * c;
    }
    return values;
}

std::optional<std::string> ColumnValueProblem(const PerformanceTableRequest& request) {
    if (std::optional<std::string> missing = MissingNumber(request)) {
        return missing;
    }
    const std::array<double, kLevelTableColumns> values = ColumnValues(request);
    const std::string word = ColumnWord(request.kind);
    // The columns change in one direction, so the first and the last bound them all.
    if (!(values[0] > 0.0)) {
        const std::string article = request.kind == PerformanceTableKind::General ? "a " : "an ";
        return "The Minimum must be above 0: " + article + word + " of 0 or less has no times.";
    }
    if (!(values[kLastColumn] > 0.0)) {
        return "The Interval takes the last column to 0 or less: every " + word +
               " must be above 0.";
    }
    if (!std::isfinite(values[kLastColumn])) {
        return "The Minimum and Interval give columns beyond the range of numbers: make them "
               "smaller.";
    }
    const double most = MostColumnValue(request.kind);
    if (values[0] > most || values[kLastColumn] > most) {
        return "The Minimum and Interval take a column above " + PlainNumberText(most) +
               ": every " + word + " must be at most " + PlainNumberText(most) + ".";
    }
    const double level = ReadAsNumber(request.level);
    if (request.kind == PerformanceTableKind::TimesByAge && !(level > 0.0)) {
        return "The level of \"Times by age for level\" must be above 0: a performance level of 0 "
               "or less has no times.";
    }
    if (request.kind == PerformanceTableKind::TimesByAge && level > kMostLevelPercent) {
        return "The level of \"Times by age for level\" must be at most 1000.";
    }
    return std::nullopt;
}

std::string MaximumText(std::string_view minimum, std::string_view interval) {
    return NumberText(ReadAsNumber(minimum) + 8.0 * ReadAsNumber(interval));
}

}  // namespace kestrova
