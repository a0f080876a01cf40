#include "app/text_canvas.hpp"

#include <QFontDatabase>
#include <QScrollBar>

namespace kestrova {

TextCanvas::TextCanvas(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setCursorWidth(0);  // read-only text shows no caret
    setFont(TableFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

QFont TextCanvas::TableFont() {
    // Liberation Mono where Courier New is not installed, whatever "monospace" stands for.
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

void TextCanvas::Write(std::string_view text) {
    buffer_.Write(text);
    MarkChanged();
}

void TextCanvas::MoveToColumn(int column) {
    buffer_.MoveToColumn(column);
    MarkChanged();
}

void TextCanvas::EndLine() {
    buffer_.EndLine();
    MarkChanged();
}

void TextCanvas::Clear() {
    buffer_.Clear();
    MarkChanged();
}

void TextCanvas::MarkChanged() {
    changed_ = true;
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Flush(); }, Qt::QueuedConnection);
    }
}

void TextCanvas::Flush() {
    flushQueued_ = false;
    if (!changed_) {
        return;
    }
    changed_ = false;
    std::string text = buffer_.Text();
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    setPlainText(QString::fromStdString(text));
}

}  // namespace kestrova
