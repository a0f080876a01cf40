#include "files/windows_1252.hpp"

#include <array>
#include <cstdint>

namespace kestrova {
namespace {

constexpr char32_t kUndefined = 0;

// The characters of bytes 0x80-0x9F; the rest of 0xA0-0xFF are the Latin-1 characters.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,
};

char32_t CharacterOfByte(unsigned char byte) {
    if (byte < 0x20 || byte == 0x7F) {
        return U' ';
    }
    if (byte >= 0x80 && byte < 0xA0) {
        const char32_t c = kHighControls[byte - 0x80];
        return c == kUndefined ? U'?' : c;
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ByteOfCharacter(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(c));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != kUndefined && kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// One character decoded from UTF-8 at `pos`: its code point (nothing valid gives 0xFFFFFFFF)
// and the number of bytes it takes (at least 1).
struct Decoded {
    char32_t character;
    std::size_t length;
};

constexpr char32_t kMalformed = 0xFFFFFFFF;

Decoded DecodeUtf8(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, smallest = 0x10000;
    } else {
        return {kMalformed, 1};
    }
    if (pos + length > text.size()) {
        return {kMalformed, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return {kMalformed, 1};
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return {kMalformed, 1};
    }
    return {c, length};
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(text, CharacterOfByte(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded decoded = DecodeUtf8(text, pos);
        bytes += decoded.character == kMalformed ? '?' : ByteOfCharacter(decoded.character);
        pos += decoded.length;
    }
    return bytes;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        pos += DecodeUtf8(text, pos).length;
    }
    return count;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded decoded = DecodeUtf8(text, pos);
        if (decoded.character == kMalformed) {
            return false;
        }
        pos += decoded.length;
    }
    return true;
}

}  // namespace kestrova
