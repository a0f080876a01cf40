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

// The bytes of the canvas as a PNG file (at pixelRatio) or an SVG file; nothing when the
// image could not be made.
std::optional<QByteArray> CanvasImageBytes(const Canvas& canvas, CanvasImageFormat format,
                                           double pixelRatio);

// Saves the canvas as a PNG (at pixelRatio) or SVG file through SaveFileSafely: a file is
// replaced only once the new one is complete, a pipe or device is written into, a directory is
// refused. Gives why it failed, or nothing.
std::optional<std::string> SaveCanvasImage(const Canvas& canvas, const QString& path,
                                           CanvasImageFormat format, double pixelRatio);

}  // namespace kestrova
