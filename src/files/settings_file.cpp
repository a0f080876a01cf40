#include "files/settings_file.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <system_error>
#include <vector>

#include "files/safe_save.hpp"
#include "model/control_characters.hpp"
#include "model/number_reader.hpp"
#include "model/number_text.hpp"

namespace kestrova {
namespace {

using Writer = std::function<std::string(const MainFormInputs&)>;
// Applies one value; says why when the value cannot be read or its control refuses it.
using Refusal = std::optional<std::string>;
using Applier = std::function<Refusal(MainFormInputs&, std::string_view)>;

struct SettingLine {
    Writer write;
    Applier apply;
};

std::string_view WithoutLeadingBlanks(std::string_view value) {
    const std::size_t start = value.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : value.substr(start);
}

// The value as a message quotes it: without its blanks, long values cut short.
std::string Quoted(std::string_view value) {
    constexpr std::size_t kMostShown = 30;
    std::string shown(WithoutLeadingBlanks(value));
    if (shown.size() > kMostShown) {
        std::size_t cut = kMostShown;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) {
            --cut;  // never split a character
        }
        shown = shown.substr(0, cut) + "...";
    }
    while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\t')) {
        shown.pop_back();
    }
    return "\"" + shown + "\"";
}

std::string NotABoolean(std::string_view value) {
    return Quoted(value) + " is not True, False or a number";
}

std::string OutOfRange(std::string_view value, int minimum, int maximum) {
    if (!ReadWholeNumber(value)) {
        return Quoted(value) + " is not a whole number";
    }
    return Quoted(value) + " is not a whole number from " + std::to_string(minimum) + " to " +
           std::to_string(maximum);
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
std::string ReadText(std::string_view line) {
    const std::string value = ControlCharactersAsBlanks(line);
    return PlainFormOfNumberText(WithoutLeadingBlanks(value));
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
                    return Refusal(NotABoolean(value));
                }
                if (*on) {
                    select(f);
                } else {
                    f.*button = false;
                }
                return Refusal();
            }};
}

// A scroll bar: a new value runs its change handler, an unchanged one does nothing.
SettingLine ScrollLine(int MainFormInputs::*bar, int minimum, int maximum,
                       void (*onChange)(MainFormInputs&, int)) {
    return {[bar](const MainFormInputs& f) { return WriteInteger(f.*bar); },
            [bar, minimum, maximum, onChange](MainFormInputs& f, std::string_view value) {
                const std::optional<int> number = ReadInteger(value, minimum, maximum);
                if (!number) {
                    return Refusal(OutOfRange(value, minimum, maximum));
                }
                if (*number != f.*bar) {
                    onChange(f, *number);
                }
                return Refusal();
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
                    return Refusal(OutOfRange(value, 0, 2));
                }
                check.Of(f) = *number;
                return Refusal();
            }};
}

SettingLine TextLine(Control<std::string> text) {
    return {[text](const MainFormInputs& f) { return ControlCharactersAsBlanks(text.Of(f)); },
            [text](MainFormInputs& f, std::string_view value) {
                text.Of(f) = ReadText(value);
                return Refusal();
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
                    return Refusal(NotABoolean(value));
                }
                if (*on) {
                    f.rows[row].SelectUnit(DistanceUnitAt(unit));
                } else {
                    f.rows[row].unitOption[index] = false;
                }
                return Refusal();
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
std::vector<SettingLine> MakeSettingLines() {
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

// A value longer than a box holds would come back cut short: it is refused whole instead.
Refusal TooLongForABox(std::string_view value) {
    if (value.size() <= static_cast<std::size_t>(kMostBoxCharacters)) {
        return std::nullopt;  // no more characters than bytes
    }
    std::size_t units = 0;  // as a box counts: a character beyond U+FFFF counts twice
    for (const char byte : value) {
        const auto b = static_cast<unsigned char>(byte);
        units += (b & 0xC0) == 0x80 ? 0 : (b >= 0xF0 ? 2 : 1);
    }
    if (units <= static_cast<std::size_t>(kMostBoxCharacters)) {
        return std::nullopt;
    }
    return Quoted(value) + " is longer than " + std::to_string(kMostBoxCharacters) +
           " characters, more than a box holds";
}

// The same lines, made once: the table never changes.
const std::vector<SettingLine>& SettingLines() {
    static const std::vector<SettingLine> lines = MakeSettingLines();
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

int ApplySettingsText(std::string_view text, MainFormInputs& form, std::string* refusal) {
    const std::vector<SettingLine>& lines = SettingLines();
    const std::vector<std::string_view> values = SplitLines(text, lines.size());
    int applied = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        Refusal refused = TooLongForABox(values[i]);
        if (!refused) {
            refused = lines[i].apply(form, values[i]);
        }
        if (refused) {
            if (refusal != nullptr) {
                *refusal = *refused;
            }
            break;
        }
        ++applied;
    }
    return applied;
}

std::optional<std::string> SaveSettingsFile(const std::filesystem::path& path,
                                            const MainFormInputs& form) {
    return SaveFileSafely(path, SettingsText(form));
}

}  // namespace kestrova
