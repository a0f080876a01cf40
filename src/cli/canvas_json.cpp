#include "cli/canvas_json.hpp"

#include <variant>

#include "cli/json_text.hpp"

namespace kestrova {
namespace {

std::string Field(const char* name, const std::string& value) {
    return std::string(", \"") + name + "\": " + value;
}

struct ItemJson {
    std::string operator()(const CanvasLine& line) const {
        return "{\"kind\": \"line\"" + Field("x1", JsonNumber(line.x1)) +
               Field("y1", JsonNumber(line.y1)) + Field("x2", JsonNumber(line.x2)) +
               Field("y2", JsonNumber(line.y2)) + Colour(line.colour);
    }
    std::string operator()(const CanvasCircle& circle) const {
        std::string clip;
        if (circle.clip) {
            clip = Field("clip", "{\"left\": " + JsonNumber(circle.clip->left) +
                                     ", \"top\": " + JsonNumber(circle.clip->top) +
                                     ", \"right\": " + JsonNumber(circle.clip->right) +
                                     ", \"bottom\": " + JsonNumber(circle.clip->bottom) + "}");
        }
        return "{\"kind\": \"circle\"" + Field("x", JsonNumber(circle.x)) +
               Field("y", JsonNumber(circle.y)) + Field("r", JsonNumber(circle.r)) + clip +
               Colour(circle.colour);
    }
    std::string operator()(const CanvasText& text) const {
        return "{\"kind\": \"text\"" + Field("x", JsonNumber(text.x)) +
               Field("y", JsonNumber(text.y)) + Field("text", JsonString(text.text)) +
               Colour(text.colour);
    }
    static std::string Colour(int colour) { return Field("colour", std::to_string(colour)) + "}"; }
};

}  // namespace

std::string CanvasJson(const Canvas& canvas) {
    std::string json = "[\n";
    const auto& items = canvas.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        json += "  " + std::visit(ItemJson{}, items[i]) + (i + 1 < items.size() ? ",\n" : "\n");
    }
    return json + "]\n";
}

}  // namespace kestrova
