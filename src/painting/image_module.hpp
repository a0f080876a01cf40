#pragma once

#include <string>

namespace kestrova {

class Canvas;

// Image files are painted with Qt, which takes kestrova-cli several milliseconds to load; the
// command line therefore opens the painting code as a library only when a command writes an
// image, and every other command runs without Qt. This is the library's one entry point.

// The library's file name, as built and as installed.
inline constexpr const char* kImageModuleFileName = "kestrova-image.so";

// The name of the entry point, and its type: writes the bytes of the canvas as a PNG file
// (format 0) or an SVG file (format 1) into *bytes and gives 0, or gives 1 with why it failed in
// *failure. It runs the painting that CanvasImageFileBytes does in a program with Qt linked in.
inline constexpr const char* kImageModuleEntry = "KestrovaCanvasImageBytes";
using ImageModuleEntry = int (*)(const Canvas* canvas, int format, std::string* bytes,
                                 std::string* failure);

}  // namespace kestrova
