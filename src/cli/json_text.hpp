#pragma once

#include <string>

namespace kestrova {

// A number as JSON: its shortest round-trip digits, or null when it is not finite.
std::string JsonNumber(double value);

// A text as a JSON string, with quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

// One member of a JSON object, "name": value, followed by ", " unless it is the last.
std::string JsonField(const char* name, const std::string& value, bool last = false);

}  // namespace kestrova
