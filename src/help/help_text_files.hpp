#pragma once

#include <string_view>

namespace kestrova {

// The contents of the help text file `name` (without ".txt") as it was when the program was
// built, or an empty text when there is no such file.
std::string_view HelpTextFile(std::string_view name);

}  // namespace kestrova
