#include "app/printer_text_sink.hpp"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QString>

#include "app/text_canvas.hpp"

namespace kestrova {
namespace {

constexpr double kPrintPointSize = 10.0;

// The canvas' font at print size, made smaller when `columns` characters would not fit `width`.
QFont PrintFont(QPaintDevice* device, int columns, double width) {
    QFont font = TextCanvas::TableFont();
    font.setBold(false);
    font.setPointSizeF(kPrintPointSize);
    const QFontMetricsF metrics(font, device);
    const double lineWidth = metrics.horizontalAdvance(QString(columns, QChar('M')));
    if (lineWidth > width && lineWidth > 0.0) {
        font.setPointSizeF(kPrintPointSize * width / lineWidth);
    }
    return font;
}

}  // namespace

PrinterTextSink::PrinterTextSink(QPagedPaintDevice& printer, int columns) : printer_(printer) {
    if (!painter_.begin(&printer_)) {
        return;
    }
    QPaintDevice* device = painter_.device();
    font_ = PrintFont(device, columns > 0 ? columns : kDefaultColumns, device->width());
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(font_, device);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    pageHeight_ = device->height();
    pages_ = 1;
}

PrinterTextSink::~PrinterTextSink() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void PrinterTextSink::Write(std::string_view text) {
    current_.append(text);
}

void PrinterTextSink::MoveToColumn(int column) {
    const ColumnMove move = PlanColumnMove(current_.size(), column);
    if (move.newLine) {
        EndLine();
    }
    current_.append(move.blanks, ' ');
}

void PrinterTextSink::EndLine() {
    if (!painter_.isActive()) {
        current_.clear();
        return;
    }
    if (lines_ > 0 && y_ + lineHeight_ > pageHeight_) {
        if (!printer_.newPage()) {
            failed_ = true;
        }
        ++pages_;
        y_ = 0.0;
    }
    painter_.drawText(QPointF(0.0, y_ + ascent_), QString::fromStdString(current_));
    y_ += lineHeight_;
    ++lines_;
    current_.clear();
}

bool PrinterTextSink::Finish() {
    if (!painter_.isActive()) {
        return false;
    }
    if (!current_.empty()) {
        EndLine();
    }
    return painter_.end() && !failed_;
}

}  // namespace kestrova
