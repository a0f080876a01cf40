#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// Where tables and reports are written: text at a 1-based character column, line by line.
class TextSink {
  public:
    virtual ~TextSink() = default;
    // Writes text on the current line without ending it.
    virtual void Write(std::string_view text) = 0;
    // Moves to character column n (1-based) of the current line, filling with blanks, or to
    // column n of the next line when the current line is already past it.
    virtual void MoveToColumn(int column) = 0;
    // Ends the current line.
    virtual void EndLine() = 0;
    // Empties the surface (a canvas clears; a file or printer may ignore it).
    virtual void Clear() {}
};

// A TextSink that keeps its lines in memory: the on-screen canvases, the command line and tests.
class LineBuffer : public TextSink {
  public:
    void Write(std::string_view text) override;
    void MoveToColumn(int column) override;
    void EndLine() override;
    void Clear() override;

    // The finished lines.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The line being written, not yet ended.
    const std::string& CurrentLine() const { return current_; }
    // Every finished line and the unfinished one (if it holds anything), each ended by newline.
    std::string Text() const;

  private:
    std::vector<std::string> lines_;
    std::string current_;
};

// Blanks needed to move a line of `length` characters to `column`, and whether the move needs
// a new line first (shared by every TextSink).
struct ColumnMove {
    bool newLine = false;
    std::size_t blanks = 0;
};
ColumnMove PlanColumnMove(std::size_t length, int column);

}  // namespace kestrova
