#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/main_form_inputs.hpp"

namespace kestrova {

inline constexpr const char* kSettingsFileName = "kestini.txt";
inline constexpr int kSettingsLineCount = 66;
// The most characters a box of the main window holds (UTF-16 units, as the box counts them).
inline constexpr int kMostBoxCharacters = 32767;

// The 66 lines of the settings file for the main window's controls, each ended by CR LF: option
// buttons as "True"/"False", scroll bars and check boxes as " 20 ", texts as they stand (a line
// break or other control character inside a text is written as a blank, so every value stays on
// its own line and no control byte reaches the file).
std::string SettingsText(const MainFormInputs& form);

// Applies the lines of a settings file to the form in order, each at once. A value that is one
// decimal number as a whole comes back as that number's plain text ("02" -> "2"). The first
// value that cannot be read or that its control refuses (a scroll bar value outside its range, a
// check value other than 0, 1 or 2, a line longer than kMostBoxCharacters) stops the reading; the
// lines before it stay applied. A scroll bar whose value changes updates its display boxes. Lines
// may end in CR LF or LF. Returns the number of lines applied (66 for a complete, sound file); when
// a value stopped the reading, `refusal` (if given) gets why, naming the value.
int ApplySettingsText(std::string_view text, MainFormInputs& form, std::string* refusal = nullptr);

// Writes the settings file through SaveFileSafely, so that a failure never leaves a damaged
// file behind. Returns a reason when the file
// could not be written, nothing on success.
std::optional<std::string> SaveSettingsFile(const std::filesystem::path& path,
                                            const MainFormInputs& form);

}  // namespace kestrova
