#pragma once

#include <optional>
#include <string>

namespace kestrova {

class Canvas;

// The kinds of image file a canvas can be saved as.
enum class CanvasImageFormat { Png, Svg };

// The pixel ratio of PNG files written without a window: twice a 96 dpi screen, so that the
// texts stay legible when the image is shown larger.
inline constexpr double kImageFilePixelRatio = 2.0;

// The environment variable that lets Qt's own notes and warnings reach standard error when a
// program without windows paints an image; without it they are dropped, so standard error
// carries only the program's own messages.
inline constexpr const char* kDebugVariable = "KESTROVA_DEBUG";

// The bytes of the canvas as a PNG file (at pixelRatio, as CanvasImage) or an SVG file, in a
// program with windows or without (the command line): when the program has no Qt application
// yet, one is made for the length of the call on the offscreen platform (painting texts needs
// one). Gives why it failed, or nothing.
std::optional<std::string> CanvasImageFileBytes(const Canvas& canvas, CanvasImageFormat format,
                                                double pixelRatio, std::string& bytes);

}  // namespace kestrova
