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

// Writes the canvas as a PNG or SVG file for a program without windows (the command line): when
// the program has no Qt application yet, one is made for the length of the call on the offscreen
// platform (painting texts needs one). Gives why it failed, or nothing.
std::optional<std::string> WriteCanvasImageFile(const Canvas& canvas, const std::string& path,
                                                CanvasImageFormat format);

}  // namespace kestrova
