#pragma once

#include <string>

namespace kestrova {

class Canvas;

// Image files are painted with Qt and its SVG module, which take milliseconds to load; both
// programs therefore open the image file painting as a library only when they write an image:
// kestrova-cli's other commands run without Qt, and the desktop program starts without the SVG
// module. This is the library's one entry point.

// The library's file name, as built and as installed.
inline constexpr const char* kImageModuleFileName = "kestrova-image.so";

// The name of the entry point, and its type: writes the bytes of the canvas as a PNG file
// (format 0, at pixelRatio) or an SVG file (format 1) into *bytes and gives 0, or gives 1 with
// why it failed in *failure. It runs the painting that CanvasImageFileBytes does in a program
// with Qt linked in.
inline constexpr const char* kImageModuleEntry = "KestrovaCanvasImageFileBytes";
using ImageModuleEntry = int (*)(const Canvas* canvas, int format, double pixelRatio,
                                 std::string* bytes, std::string* failure);

}  // namespace kestrova
