#include "app/table_window_parts.hpp"

#include <cmath>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QWidget>

#include "app/text_canvas.hpp"
#include "app/window_printing.hpp"

namespace kestrova {
namespace {

constexpr double kLineHeightRatio = 1.1;

// The blank border between the canvas' frame and its text, in pixels.
int DocumentMargin(const TextCanvas& canvas) {
    return static_cast<int>(canvas.document()->documentMargin());
}

}  // namespace

void SetWrappedText(QLabel& label, const QString& text, const TextCanvas& canvas) {
    label.setText(text);
    label.setMinimumHeight(label.heightForWidth(canvas.minimumWidth()));
}

QString PaceUnitSwitchCaption(PaceUnit shown) {
    return shown == PaceUnit::Mile ? QStringLiteral("Switch to minutes/kilometer")
                                   : QStringLiteral("Switch to minutes/mile");
}

QHBoxLayout* TableButtonRow(const QList<QPushButton*>& ownButtons, QPushButton* print,
                            QPushButton* close) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : ownButtons) {
        row->addWidget(button);
    }
    row->addStretch();
    row->addWidget(print);
    row->addWidget(close);
    return row;
}

void SizeCanvas(TextCanvas& canvas, int columns, int lines) {
    const QFontMetrics metrics(canvas.font());
    const int frame = 2 * (canvas.frameWidth() + DocumentMargin(canvas));
    // The canvas' text lines are a little higher than the font's line spacing.
    const double lineHeight = metrics.lineSpacing() * kLineHeightRatio;
    canvas.setMinimumSize(metrics.horizontalAdvance(QString(columns, QChar('M'))) + frame,
                          static_cast<int>(std::ceil(lineHeight * lines)) + frame);
}

void AlignWithCanvasColumn(QLabel& label, const TextCanvas& canvas, int column) {
    const QFontMetrics metrics(canvas.font());
    const int margin = canvas.frameWidth() + DocumentMargin(canvas);
    label.setIndent(margin + metrics.horizontalAdvance(QChar('M')) * (column - 1));
    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void AddPrintShortcut(QWidget& window, QPushButton& print) {
    auto* printKey = new QShortcut(QKeySequence::Print, &window);
    QObject::connect(printKey, &QShortcut::activated, &print, &QPushButton::click);
}

}  // namespace kestrova
