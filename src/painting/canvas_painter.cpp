#include "painting/canvas_painter.hpp"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <variant>

#include "output/canvas.hpp"

namespace kestrova {
namespace {

constexpr double kLineWidthTwips = 15.0;

QColor ColourOf(int index) {
    const PaletteColour colour = PaletteRgb(index);
    return QColor(colour.red, colour.green, colour.blue);
}

// Draws the items, with twips turned into the device's logical units.
class ItemPainter {
  public:
    ItemPainter(QPainter& painter, double scaleX, double scaleY, double ascent)
        : painter_(painter), scaleX_(scaleX), scaleY_(scaleY), ascent_(ascent) {}

    void operator()(const CanvasLine& line) const {
        UsePen(line.colour);
        painter_.drawLine(QPointF(line.x1 * scaleX_, line.y1 * scaleY_),
                          QPointF(line.x2 * scaleX_, line.y2 * scaleY_));
    }
    void operator()(const CanvasCircle& circle) const {
        UsePen(circle.colour);
        if (circle.clip) {
            painter_.save();
            const CanvasRect& clip = *circle.clip;
            painter_.setClipRect(QRectF(QPointF(clip.left * scaleX_, clip.top * scaleY_),
                                        QPointF(clip.right * scaleX_, clip.bottom * scaleY_)),
                                 Qt::IntersectClip);
        }
        painter_.drawEllipse(QPointF(circle.x * scaleX_, circle.y * scaleY_), circle.r * scaleX_,
                             circle.r * scaleY_);
        if (circle.clip) {
            painter_.restore();
        }
    }
    void operator()(const CanvasText& text) const {
        UsePen(text.colour);
        painter_.drawText(QPointF(text.x * scaleX_, text.y * scaleY_ + ascent_),
                          QString::fromStdString(text.text));
    }

  private:
    void UsePen(int colour) const {
        QPen pen(ColourOf(colour));
        pen.setWidthF(kLineWidthTwips * scaleX_);
        painter_.setPen(pen);
    }

    QPainter& painter_;
    double scaleX_;
    double scaleY_;
    double ascent_;
};

}  // namespace

QFont CanvasFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kCanvasFontPoints);
    return font;
}

void PaintCanvas(QPainter& painter, const Canvas& canvas) {
    const QPaintDevice* device = painter.device();
    const double scaleX = device->logicalDpiX() / kTwipsPerInch;
    const double scaleY = device->logicalDpiY() / kTwipsPerInch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(QRectF(0.0, 0.0, canvas.Width() * scaleX, canvas.Height() * scaleY),
                        Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    const QFont font(CanvasFont(), device);
    painter.setFont(font);
    const ItemPainter paint(painter, scaleX, scaleY, QFontMetricsF(font, device).ascent());
    for (const CanvasItem& item : canvas.Items()) {
        std::visit(paint, item);
    }
    painter.restore();
}

}  // namespace kestrova
