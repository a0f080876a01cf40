#pragma once

#include <optional>
#include <string_view>

#include <pugixml.hpp>

namespace kestrova {

// An element's name without its namespace prefix ("gpx:trkpt" -> "trkpt").
std::string_view LocalName(const pugi::xml_node& node);

// The first child element with this local name (an empty node when there is none).
pugi::xml_node Child(const pugi::xml_node& node, std::string_view name);

// The number an element or attribute holds as its whole text (blanks around it allowed), read
// without the locale; nothing when it holds anything else.
std::optional<double> NumberIn(const char* text);
std::optional<double> ChildNumber(const pugi::xml_node& node, std::string_view name);

// Parses a document from bytes; false when it is not well-formed XML.
bool ParseXml(pugi::xml_document& document, std::string_view bytes);

}  // namespace kestrova
