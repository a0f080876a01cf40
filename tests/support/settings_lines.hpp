#pragma once

#include <string>
#include <utility>
#include <vector>

#include "files/settings_file.hpp"

namespace kestrova::test_support {

// The settings file of `form` with some lines replaced (numbered from 1).
inline std::string SettingsWith(const MainFormInputs& form,
                                const std::vector<std::pair<int, std::string>>& replaced) {
    const std::string text = SettingsText(form);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    for (const auto& [number, line] : replaced) {
        lines.at(static_cast<std::size_t>(number - 1)) = line;
    }
    std::string result;
    for (const std::string& line : lines) {
        result += line + "\r\n";
    }
    return result;
}

// The start-up form's settings file with line `number` (from 1) replaced.
inline std::string StartUpFileWith(int number, const std::string& line) {
    return SettingsWith(MainFormInputs{}, {{number, line}});
}

}  // namespace kestrova::test_support
