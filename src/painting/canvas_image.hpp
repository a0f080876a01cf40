#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <string>

#include "painting/canvas_image_file.hpp"

namespace kestrova {

// The canvas painted on white at 96 dpi (15 twips to the pixel) times pixelRatio, as a screen of
// that device pixel ratio shows it: the image has pixelRatio times as many pixels each way and
// carries the ratio, so its drawing is the same at every ratio, only sharper. A ratio outside
// 0.5 to 8 is taken as 1.
QImage CanvasImage(const Canvas& canvas, double pixelRatio);

// The canvas as an SVG document of the same size (96 dpi), with the texts as text.
QByteArray CanvasSvg(const Canvas& canvas);

// Saves the canvas as a PNG (at pixelRatio) or SVG file, replacing the file only once the new
// one is complete. Gives why it failed, or nothing.
std::optional<std::string> SaveCanvasImage(const Canvas& canvas, const QString& path,
                                           CanvasImageFormat format, double pixelRatio);

}  // namespace kestrova
