#pragma once

#include <QPlainTextEdit>

#include "model/text_sink.hpp"

namespace kestrova {

// A white, fixed-pitch text surface that the model's tables are printed on: Courier New bold
// 8.25 pt (Liberation Mono, which has the same metrics, where Courier New is not installed).
// Columns line up, long lines scroll instead of wrapping, and the text can be selected and
// copied but not edited.
class TextCanvas : public QPlainTextEdit, public TextSink {
  public:
    explicit TextCanvas(QWidget* parent = nullptr);

    void Write(std::string_view text) override;
    void MoveToColumn(int column) override;
    void EndLine() override;
    void Clear() override;

    // The lines written so far, as the model wrote them.
    const LineBuffer& Buffer() const { return buffer_; }

    // The canvas font, shared by every window that shows a table.
    static QFont TableFont();

  private:
    void Refresh();

    LineBuffer buffer_;
};

}  // namespace kestrova
