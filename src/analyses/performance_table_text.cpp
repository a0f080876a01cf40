#include <string>

#include "analyses/performance_table.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

// Rows after which an empty line separates the groups.
constexpr std::size_t kRowsPerGroup = 6;

// One line written column by column. A value that reaches past the next column pushes the rest
// of the line to the right instead of breaking the line, so a wide value widens the table.
class TableLine {
  public:
    explicit TableLine(TextSink& sink) : sink_(sink) {}

    void Write(const std::string& text) {
        sink_.Write(text);
        length_ += text.size();
    }
    void WriteAt(int column, const std::string& text) {
        const ColumnMove move = PlanColumnMove(length_, column);
        if (!move.newLine) {
            sink_.MoveToColumn(column);
            length_ += move.blanks;
        }
        Write(text);
    }
    void End() {
        sink_.EndLine();
        length_ = 0;
    }

  private:
    TextSink& sink_;
    std::size_t length_ = 0;
};

// Character column of column value c (16, 26, ... 96) and of the times below it (12, 22, ...).
int HeaderColumn(std::size_t c) {
    return 10 * (static_cast<int>(c) + 1) + 6;
}
int TimeColumn(std::size_t c) {
    return 10 * (static_cast<int>(c) + 1) + 2;
}

}  // namespace

void WritePerformanceTable(const PerformanceTable& table, TextSink& sink) {
    TableLine line(sink);
    line.Write(table.kind == PerformanceTableKind::General ? " Level (%):" : " Age (yr):");
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        line.WriteAt(HeaderColumn(c), PrintedNumber(table.columns[c]));
    }
    line.End();
    line.End();
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const PerformanceTableRow& row = table.rows[r];
        line.Write(row.label);
        for (std::size_t c = 0; c < row.times.size(); ++c) {
            line.WriteAt(TimeColumn(c), FormatTime(row.times[c]));
        }
        line.End();
        if ((r + 1) % kRowsPerGroup == 0) {
            line.End();
        }
    }
}

}  // namespace kestrova
