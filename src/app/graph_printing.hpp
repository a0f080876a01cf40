#pragma once

#include <QSizeF>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace kestrova {

class Canvas;

// The printed graph: the title line at the page's top left in the windows' font, and the drawing
// under it, at its own size (1440 twips to the inch of the device) or smaller where the page is
// narrower or lower. No window, no buttons.
void PaintGraphPage(QPainter& painter, const QSizeF& page, const Canvas& drawing,
                    const QString& title);

// Prints the graph page on the printer; false when the printer could not be started.
bool PrintGraphOn(QPagedPaintDevice& printer, const Canvas& drawing, const QString& title);

}  // namespace kestrova
