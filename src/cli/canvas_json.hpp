#pragma once

#include <string>

#include "output/canvas.hpp"

namespace kestrova {

// A canvas's items as one JSON array in drawing order: {"kind": "line", "x1", "y1", "x2",
// "y2", "colour"}, {"kind": "circle", "x", "y", "r", "colour"} and {"kind": "text", "x", "y",
// "text", "colour"}, coordinates in twips in full precision, colour the palette index.
std::string CanvasJson(const Canvas& canvas);

}  // namespace kestrova
