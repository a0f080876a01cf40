#include "cli/json_text.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace kestrova {

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string JsonNumber(std::optional<double> value) {
    return value ? JsonNumber(*value) : "null";
}

std::string JsonNumbers(const std::vector<std::optional<double>>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        json += (i > 0 ? ", " : "") + JsonNumber(values[i]);
    }
    return json + "]";
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr const char* kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xf];
            out += kHex[c & 0xf];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonField(const char* name, const std::string& value, bool last) {
    return std::string("\"") + name + "\": " + value + (last ? "" : ", ");
}

std::string JsonObjectLines(const std::vector<std::string>& objects) {
    std::string json;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        json += "    " + objects[i] + (i + 1 < objects.size() ? ",\n" : "\n");
    }
    return json;
}

}  // namespace kestrova
