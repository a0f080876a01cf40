#pragma once

#include <QFont>

class QPainter;

namespace kestrova {

class Canvas;

// Twips per inch: the canvas's unit.
inline constexpr double kTwipsPerInch = 1440.0;

// The font of the texts of a canvas: Arial 8 pt (Liberation Sans, which has the same widths,
// where Arial is not installed).
QFont CanvasFont();

// Paints a canvas with the painter, at 1440 twips to the inch of the painter's device (its
// logical resolution, so a window, a printer page, a PNG or an SVG file all get the same drawing
// at their own sharpness), from the painter's origin. Lines are 15 twips wide (one pixel of a
// 96 dpi screen), texts in the canvas font with their top at the text's position, and
// nothing is painted outside the canvas's area. The background is left as it is.
void PaintCanvas(QPainter& painter, const Canvas& canvas);

}  // namespace kestrova
