#include "files/settings_file.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>
#include <system_error>
#include <vector>

#include "files/safe_save.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"

namespace kestrova {
namespace {

using Writer = std::function<std::string(const MainFormInputs&)>;
// Applies one value; false when the value cannot be read or its control refuses it.
using Applier = std::function<bool(MainFormInputs&, std::string_view)>;

struct SettingLine {
    Writer write;
    Applier apply;
};

std::string_view WithoutLeadingBlanks(std::string_view value) {
    const std::size_t start = value.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : value.substr(start);
}

std::optional<bool> ReadBoolean(std::string_view value) {
    std::string word(WithoutLeadingBlanks(value));
    while (!word.empty() && (word.back() == ' ' || word.back() == '\t')) {
        word.pop_back();
    }
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "true") {
        return true;
    }
    if (word == "false") {
        return false;
    }
    if (const std::optional<double> number = ReadWholeNumber(value)) {
        return *number != 0.0;
    }
    return std::nullopt;
}

std::optional<int> ReadInteger(std::string_view value, int minimum, int maximum) {
    const std::optional<double> number = ReadWholeNumber(value);
    if (!number) {
        return std::nullopt;
    }
    const std::optional<long long> rounded = RoundHalfEven(*number);
    if (!rounded || *rounded < minimum || *rounded > maximum) {
        return std::nullopt;
    }
    return static_cast<int>(*rounded);
}

// A text keeps no line break: writing makes a blank of each, and reading makes a blank of a
// carriage return left inside a line, so a text reads back as it was saved.
std::string OneLineText(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string ReadText(std::string_view line) {
    const std::string value = OneLineText(std::string(line));
    if (const std::optional<double> number = ReadWholeNumber(value)) {
        return PlainNumberText(*number);
    }
    return std::string(WithoutLeadingBlanks(value));
}

std::string WriteBoolean(bool value) {
    return value ? "True" : "False";
}

std::string WriteInteger(int value) {
    return PrintedNumber(value);
}

// An option button of a group: true selects it (clearing the rest of the group), false clears
// only the button itself.
SettingLine OptionLine(bool MainFormInputs::*button, void (*select)(MainFormInputs&)) {
    return {[button](const MainFormInputs& f) { return WriteBoolean(f.*button); },
            [button, select](MainFormInputs& f, std::string_view value) {
                const std::optional<bool> on = ReadBoolean(value);
                if (!on) {
                    return false;
                }
                if (*on) {
                    select(f);
                } else {
                    f.*button = false;
                }
                return true;
            }};
}

// A scroll bar: a new value runs its change handler, an unchanged one does nothing.
SettingLine ScrollLine(int MainFormInputs::*bar, int minimum, int maximum,
                       void (*onChange)(MainFormInputs&, int)) {
    return {[bar](const MainFormInputs& f) { return WriteInteger(f.*bar); },
            [bar, minimum, maximum, onChange](MainFormInputs& f, std::string_view value) {
                const std::optional<int> number = ReadInteger(value, minimum, maximum);
                if (!number) {
                    return false;
                }
                if (*number != f.*bar) {
                    onChange(f, *number);
                }
                return true;
            }};
}

// Where one control's value lives in the form: a member of the form itself, or of one race row.
template <typename T>
struct Control {
    T MainFormInputs::*formMember = nullptr;
    T RaceRowInputs::*rowMember = nullptr;
    std::size_t row = 0;

    T& Of(MainFormInputs& f) const { return formMember ? f.*formMember : f.rows[row].*rowMember; }
    const T& Of(const MainFormInputs& f) const {
        return formMember ? f.*formMember : f.rows[row].*rowMember;
    }
};

SettingLine CheckLine(Control<int> check) {
    return {[check](const MainFormInputs& f) { return WriteInteger(check.Of(f)); },
            [check](MainFormInputs& f, std::string_view value) {
                const std::optional<int> number = ReadInteger(value, 0, 2);
                if (!number) {
                    return false;
                }
                check.Of(f) = *number;
                return true;
            }};
}

SettingLine TextLine(Control<std::string> text) {
    return {[text](const MainFormInputs& f) { return OneLineText(text.Of(f)); },
            [text](MainFormInputs& f, std::string_view value) {
                text.Of(f) = ReadText(value);
                return true;
            }};
}

SettingLine UnitLine(std::size_t row, int unit) {
    const auto index = static_cast<std::size_t>(unit);
    return {[row, index](const MainFormInputs& f) {
                return WriteBoolean(f.rows[row].unitOption[index]);
            },
            [row, unit, index](MainFormInputs& f, std::string_view value) {
                const std::optional<bool> on = ReadBoolean(value);
                if (!on) {
                    return false;
                }
                if (*on) {
                    f.rows[row].SelectUnit(DistanceUnitAt(unit));
                } else {
                    f.rows[row].unitOption[index] = false;
                }
                return true;
            }};
}

void AppendRowLines(std::vector<SettingLine>& lines, std::size_t row) {
    lines.push_back(CheckLine({nullptr, &RaceRowInputs::Check1, row}));
    for (auto text : {&RaceRowInputs::Text1, &RaceRowInputs::Text2, &RaceRowInputs::Text3,
                      &RaceRowInputs::Text4}) {
        lines.push_back(TextLine({nullptr, text, row}));
    }
    for (int unit = 0; unit < kDistanceUnitCount; ++unit) {
        lines.push_back(UnitLine(row, unit));
    }
}

// The settings file's lines in file order.
std::vector<SettingLine> SettingLines() {
    std::vector<SettingLine> lines = {
        OptionLine(&MainFormInputs::optmale, SelectMale),
        OptionLine(&MainFormInputs::optfemale, SelectFemale),
        ScrollLine(&MainFormInputs::HScroll1, kWeeklyMilesMin, kWeeklyMilesMax, SetWeeklyVolume),
        TextLine({&MainFormInputs::txtage}),
        ScrollLine(&MainFormInputs::wtscrl, kWeightPoundsMin, kWeightPoundsMax, SetWeight),
        ScrollLine(&MainFormInputs::HScroll2, kComparisonLevelMin, kComparisonLevelMax,
                   SetComparisonLevel),
        CheckLine({&MainFormInputs::agecomp}),
        OptionLine(&MainFormInputs::Option7, SelectFitBestTwo),
        OptionLine(&MainFormInputs::Option8, SelectUseAllData),
        OptionLine(&MainFormInputs::Option9, SelectMetricOutput),
        OptionLine(&MainFormInputs::Option10, SelectEnglishOutput),
    };
    for (std::size_t row = 0; row < kRaceRowCount; ++row) {
        AppendRowLines(lines, row);
    }
    return lines;
}

std::vector<std::string_view> SplitLines(std::string_view text, std::size_t most) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < most) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

}  // namespace

std::string SettingsText(const MainFormInputs& form) {
    std::string text;
    for (const SettingLine& line : SettingLines()) {
        text += line.write(form);
        text += "\r\n";
    }
    return text;
}

int ApplySettingsText(std::string_view text, MainFormInputs& form) {
    const std::vector<SettingLine> lines = SettingLines();
    const std::vector<std::string_view> values = SplitLines(text, lines.size());
    int applied = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!lines[i].apply(form, values[i])) {
            break;
        }
        ++applied;
    }
    return applied;
}

SettingsLoad LoadSettingsFile(const std::filesystem::path& path, MainFormInputs& form) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return SettingsLoad::Missing;
    }
    // 66 short lines: anything past a generous limit is not a settings file's content.
    constexpr std::size_t kMostBytes = 1 << 20;
    std::string text(kMostBytes, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    ApplySettingsText(text, form);
    return SettingsLoad::Loaded;
}

std::optional<std::string> SaveSettingsFile(const std::filesystem::path& path,
                                            const MainFormInputs& form) {
    return SaveFileSafely(path, SettingsText(form));
}

}  // namespace kestrova
