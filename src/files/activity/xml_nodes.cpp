#include "files/activity/xml_nodes.hpp"

#include <cmath>

#include "model/number_reader.hpp"

namespace kestrova {

std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view name) {
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == name) {
            return child;
        }
    }
    return {};
}

std::optional<double> NumberIn(const char* text) {
    const std::optional<double> value = ReadWholeNumber(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ChildNumber(const pugi::xml_node& node, std::string_view name) {
    const pugi::xml_node child = Child(node, name);
    return child ? NumberIn(child.text().get()) : std::nullopt;
}

bool ParseXml(pugi::xml_document& document, std::string_view bytes) {
    // No entity expansion beyond the five predefined ones and no DOCTYPE processing: pugixml
    // reads neither external nor internal entities.
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default);
    return static_cast<bool>(result);
}

}  // namespace kestrova
