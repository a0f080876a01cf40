#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrova {

// Pieces of the JSON documents that --json prints.

// A number in full precision; a value that is not finite (or is missing) is null.
std::string JsonNumber(double value);
std::string JsonNumber(std::optional<double> value);

// An array of numbers on one line: [1, 2.5, null].
std::string JsonNumbers(const std::vector<std::optional<double>>& values);

// A string with quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

// "name": value, followed by ", " unless it is the last field of its object.
std::string JsonField(const char* name, const std::string& value, bool last = false);

// The objects as the lines of an array, four spaces in, separated by commas.
std::string JsonObjectLines(const std::vector<std::string>& objects);

}  // namespace kestrova
