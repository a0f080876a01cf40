#include "model/control_characters.hpp"

namespace kestrova {

std::string ControlCharactersAsBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1Control = byte == 0xC2 && i + 1 < text.size() &&
                               static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                               static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1Control) {
            ++i;  // both bytes of the one character
        }
        result += byte < 0x20 || byte == 0x7F || c1Control ? ' ' : text[i];
    }
    return result;
}

}  // namespace kestrova
