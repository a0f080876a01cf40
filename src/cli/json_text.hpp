#pragma once

#include <string>

namespace kestrova {

// The pieces of the JSON documents the commands print.

// A number in full precision, or null when it is not finite.
std::string JsonNumber(double value);

// A string with quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

// "name": value, followed by ", " unless it is the last field of its object.
std::string JsonField(const char* name, const std::string& value, bool last = false);

// The text without its leading and trailing blanks (table labels in JSON).
std::string Trimmed(const std::string& text);

}  // namespace kestrova
