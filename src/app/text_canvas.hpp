#pragma once

#include <QPlainTextEdit>

#include "model/text_sink.hpp"

namespace kestrova {

// A white, fixed-pitch text surface that the model's tables are printed on: Courier New bold
// 8.25 pt (Liberation Mono, which has the same metrics, where Courier New is not installed).
// Columns line up, long lines scroll instead of wrapping, and the text can be selected and
// copied but not edited.
//
// Writes collect in a line buffer; the shown text is replaced once, by Flush() at the end of the
// handler that wrote it or, if a handler forgets, when the event loop next runs. So a table of
// any size costs one layout of the document, not one per write.
class TextCanvas : public QPlainTextEdit, public TextSink {
  public:
    explicit TextCanvas(QWidget* parent = nullptr);

    void Write(std::string_view text) override;
    void MoveToColumn(int column) override;
    void EndLine() override;
    void Clear() override;

    // Shows what has been written since the last refresh (nothing happens when nothing has).
    void Flush();

    // The lines written so far, as the model wrote them.
    const LineBuffer& Buffer() const { return buffer_; }

    // The canvas font, shared by every window that shows a table.
    static QFont TableFont();

  private:
    void MarkChanged();

    LineBuffer buffer_;
    bool changed_ = false;
    bool flushQueued_ = false;
};

}  // namespace kestrova
