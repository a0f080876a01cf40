#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// UTF-8 text with every control character (bytes 0x00-0x1F and 0x7F, and the C1 controls
// U+0080-U+009F) replaced by one blank, so that a name or a box's text that reaches a report or
// a file stays on its line and carries no raw NUL or escape byte.
std::string ControlCharactersAsBlanks(std::string_view text);

}  // namespace kestrova
