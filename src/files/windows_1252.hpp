#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// Saved race files keep their text in the single-byte Windows-1252 code page, so that files
// written on Windows read back with their accented letters. The program itself holds UTF-8.

// The UTF-8 text of Windows-1252 bytes. Control bytes (0x00-0x1F, 0x7F) read as blanks, so a
// field of zero bytes shows as blanks; the five bytes the code page leaves undefined read as "?".
std::string Windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of UTF-8 text, one byte per character. A character the code page cannot
// hold, and every byte of a malformed UTF-8 sequence, is stored as "?".
std::string Utf8ToWindows1252(std::string_view text);

// The number of characters of UTF-8 text (a malformed byte counts as one character).
std::size_t Utf8Length(std::string_view text);

// Whether the bytes are well-formed UTF-8 throughout (plain ASCII is).
bool IsValidUtf8(std::string_view text);

}  // namespace kestrova
