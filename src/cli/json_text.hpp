#pragma once

#include <string>

namespace kestrova {

// A number as JSON: the shortest text that reads back as the same double; null when the value
// is not finite (JSON has no NaN or infinity).
std::string JsonNumber(double value);

// A text as a JSON string, quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

}  // namespace kestrova
