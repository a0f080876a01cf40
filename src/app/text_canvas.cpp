#include "app/text_canvas.hpp"

#include <QFontDatabase>
#include <QScrollBar>

namespace kestrova {

TextCanvas::TextCanvas(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFont(TableFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

QFont TextCanvas::TableFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

void TextCanvas::Write(std::string_view text) {
    buffer_.Write(text);
    Refresh();
}

void TextCanvas::MoveToColumn(int column) {
    buffer_.MoveToColumn(column);
    Refresh();
}

void TextCanvas::EndLine() {
    buffer_.EndLine();
    Refresh();
}

void TextCanvas::Clear() {
    buffer_.Clear();
    Refresh();
}

void TextCanvas::Refresh() {
    std::string text = buffer_.Text();
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    setPlainText(QString::fromStdString(text));
}

}  // namespace kestrova
