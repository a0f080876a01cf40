#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kestrova {

// Drawing in twips (1440 to the inch, y growing downwards) with colours of the standard
// 16-colour palette. The drawing code fills a Canvas; one painting function turns it into pixels
// on a window, a printer page or an image file.

// One colour of the 16-colour palette.
struct PaletteColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Palette index 0 (black) to 15 (white); an index outside 0-15 gives black.
PaletteColour PaletteRgb(int index);

// Texts are written in a sans-serif font of 8 points (Arial, or Liberation Sans, which has the
// same widths); a text's position is the top left of its first character.
inline constexpr double kCanvasFontPoints = 8.0;

// The width in twips of a number text in that font, for placing what follows it on the same
// line: a digit is 1139/2048 of the font size wide, a blank, point or sign 569/2048 (other
// characters count as digits).
double NumberTextWidth(std::string_view text);

// A rectangle in twips, edges included.
struct CanvasRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    bool operator==(const CanvasRect&) const = default;
};

struct CanvasLine {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    int colour = 0;
    bool operator==(const CanvasLine&) const = default;
};

struct CanvasCircle {
    double x = 0.0;
    double y = 0.0;
    double r = 0.0;
    int colour = 0;
    // Only the part inside this rectangle is painted (a circle that reaches out of the clip
    // rectangle in force when it was drawn).
    std::optional<CanvasRect> clip;
    bool operator==(const CanvasCircle&) const = default;
};

struct CanvasText {
    double x = 0.0;
    double y = 0.0;
    std::string text;
    int colour = 0;
    bool operator==(const CanvasText&) const = default;
};

using CanvasItem = std::variant<CanvasLine, CanvasCircle, CanvasText>;

// A display list over a drawing area of width x height twips, in drawing order. Only what can
// be seen on the area is kept: an item with a coordinate that is not finite is dropped, a line is
// cut at the area's edges (and dropped when nothing of it lies on the area), a circle or text
// that lies wholly off the area is dropped. So every coordinate kept is a finite number within
// reach of the area, and painting it never needs an unchecked conversion.
//
// A clip rectangle narrows the area for the lines and circles drawn while it is set: lines are
// cut at it, circles wholly outside it are dropped and those partly outside it keep it as their
// clip. Texts ignore it.
class Canvas {
  public:
    Canvas(double width, double height) : width_(width), height_(height) {}

    // Sets (or, with nothing, removes) the clip rectangle for the lines and circles that follow.
    void SetClip(std::optional<CanvasRect> clip);

    void Line(double x1, double y1, double x2, double y2, int colour);
    void Circle(double x, double y, double r, int colour);
    void Text(double x, double y, std::string text, int colour);
    // Adds another canvas's items after these ones (drawing over them).
    void Append(const Canvas& other);

    double Width() const { return width_; }
    double Height() const { return height_; }
    const std::vector<CanvasItem>& Items() const { return items_; }

  private:
    // The area's rectangle within the clip rectangle; nothing when they do not meet.
    std::optional<CanvasRect> Visible() const;

    double width_;
    double height_;
    std::optional<CanvasRect> clip_;
    std::vector<CanvasItem> items_;
};

}  // namespace kestrova
