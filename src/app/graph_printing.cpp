#include "app/graph_printing.hpp"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include "app/program_font.hpp"
#include "output/canvas.hpp"
#include "painting/canvas_painter.hpp"

namespace kestrova {
namespace {

// The blank between the title line and the drawing, in twips.
constexpr double kTitleGapTwips = 240.0;

}  // namespace

void PaintGraphPage(QPainter& painter, const QSizeF& page, const Canvas& drawing,
                    const QString& title) {
    const QPaintDevice* device = painter.device();
    const QFont font(ProgramFont(), device);
    const QFontMetricsF metrics(font, device);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0.0, metrics.ascent()), title);
    // On a whole device pixel, so the drawing's lines fall as they do on the screen.
    const double top =
        std::ceil(metrics.height() + kTitleGapTwips * device->logicalDpiY() / kTwipsPerInch);
    // The drawing's size on this device, and the scale that fits it under the title.
    const double width = drawing.Width() * device->logicalDpiX() / kTwipsPerInch;
    const double height = drawing.Height() * device->logicalDpiY() / kTwipsPerInch;
    const double room = std::max(0.0, page.height() - top);
    const double scale = std::min({1.0, page.width() / width, room / height});
    painter.translate(0.0, top);
    painter.scale(scale, scale);
    PaintCanvas(painter, drawing);
    painter.restore();
}

bool PrintGraphOn(QPagedPaintDevice& printer, const Canvas& drawing, const QString& title) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSizeF page(painter.device()->width(), painter.device()->height());
    PaintGraphPage(painter, page, drawing, title);
    return painter.end();
}

}  // namespace kestrova
