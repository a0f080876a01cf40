#include "model/text_sink.hpp"

namespace kestrova {

ColumnMove PlanColumnMove(std::size_t length, int column) {
    const std::size_t target = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
    if (length > target) {
        return {true, target};
    }
    return {false, target - length};
}

void LineBuffer::Write(std::string_view text) {
    current_.append(text);
}

void LineBuffer::MoveToColumn(int column) {
    const ColumnMove move = PlanColumnMove(current_.size(), column);
    if (move.newLine) {
        EndLine();
    }
    current_.append(move.blanks, ' ');
}

void LineBuffer::EndLine() {
    lines_.push_back(current_);
    current_.clear();
}

void LineBuffer::Clear() {
    lines_.clear();
    current_.clear();
}

std::string LineBuffer::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    if (!current_.empty()) {
        text += current_;
        text += '\n';
    }
    return text;
}

}  // namespace kestrova
