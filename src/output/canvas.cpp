#include "output/canvas.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace kestrova {
namespace {

constexpr std::array<PaletteColour, 16> kPalette = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Narrows the parameter range [t0, t1] of a line to where p * t <= q holds (one edge of the
// area); false when nothing is left.
bool ClipEdge(double p, double q, double& t0, double& t1) {
    if (p == 0.0) {
        return q >= 0.0;
    }
    const double t = q / p;
    if (p < 0.0) {
        t0 = std::max(t0, t);
    } else {
        t1 = std::min(t1, t);
    }
    return t0 <= t1;
}

bool Inside(const CanvasRect& area, double x, double y) {
    return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
}

// The part of the line inside the area (Liang-Barsky), or nothing. A line that lies wholly
// inside comes back unchanged.
std::optional<CanvasLine> ClipLine(CanvasLine line, const CanvasRect& area) {
    const auto inside = [&area](double x, double y) { return Inside(area, x, y); };
    if (inside(line.x1, line.y1) && inside(line.x2, line.y2)) {
        return line;
    }
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    double t0 = 0.0;
    double t1 = 1.0;
    if (!ClipEdge(-dx, line.x1 - area.left, t0, t1) ||
        !ClipEdge(dx, area.right - line.x1, t0, t1) || !ClipEdge(-dy, line.y1 - area.top, t0, t1) ||
        !ClipEdge(dy, area.bottom - line.y1, t0, t1)) {
        return std::nullopt;
    }
    const CanvasLine whole = line;
    if (t0 > 0.0) {
        line.x1 = whole.x1 + t0 * dx;
        line.y1 = whole.y1 + t0 * dy;
    }
    if (t1 < 1.0) {
        line.x2 = whole.x1 + t1 * dx;
        line.y2 = whole.y1 + t1 * dy;
    }
    return line;
}

constexpr double kTwipsPerPoint = 20.0;
constexpr double kFontUnits = 2048.0;
constexpr double kDigitUnits = 1139.0;
constexpr double kNarrowUnits = 569.0;

}  // namespace

double NumberTextWidth(std::string_view text) {
    double units = 0.0;
    for (const char c : text) {
        const bool narrow = c == ' ' || c == '.' || c == '-' || c == '+';
        units += narrow ? kNarrowUnits : kDigitUnits;
    }
    return units / kFontUnits * kCanvasFontPoints * kTwipsPerPoint;
}

PaletteColour PaletteRgb(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) {
        return kPalette[0];
    }
    return kPalette[static_cast<std::size_t>(index)];
}

void Canvas::SetClip(std::optional<CanvasRect> clip) {
    clip_ = clip;
}

std::optional<CanvasRect> Canvas::Visible() const {
    CanvasRect area{0.0, 0.0, width_, height_};
    if (clip_) {
        area = {std::max(area.left, clip_->left), std::max(area.top, clip_->top),
                std::min(area.right, clip_->right), std::min(area.bottom, clip_->bottom)};
    }
    if (!AllFinite({area.left, area.top, area.right, area.bottom}) || area.left > area.right ||
        area.top > area.bottom) {
        return std::nullopt;
    }
    return area;
}

void Canvas::Line(double x1, double y1, double x2, double y2, int colour) {
    const std::optional<CanvasRect> area = Visible();
    if (!area || !AllFinite({x1, y1, x2, y2})) {
        return;
    }
    if (const auto clipped = ClipLine({x1, y1, x2, y2, colour}, *area)) {
        items_.emplace_back(*clipped);
    }
}

void Canvas::Circle(double x, double y, double r, int colour) {
    const std::optional<CanvasRect> area = Visible();
    if (!area || !AllFinite({x, y, r}) || r <= 0.0) {
        return;
    }
    // The distance from the centre to the nearest point of the area.
    const double dx = std::max({area->left - x, 0.0, x - area->right});
    const double dy = std::max({area->top - y, 0.0, y - area->bottom});
    if (std::hypot(dx, dy) >= r) {
        return;
    }
    CanvasCircle circle{x, y, r, colour, std::nullopt};
    const bool whollyInside =
        x - r >= area->left && x + r <= area->right && y - r >= area->top && y + r <= area->bottom;
    if (clip_ && !whollyInside) {
        circle.clip = *area;
    }
    items_.emplace_back(circle);
}

void Canvas::Text(double x, double y, std::string text, int colour) {
    if (!AllFinite({x, y}) || x < 0.0 || x >= width_ || y < 0.0 || y >= height_ || text.empty()) {
        return;
    }
    items_.emplace_back(CanvasText{x, y, std::move(text), colour});
}

void Canvas::Append(const Canvas& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

}  // namespace kestrova
