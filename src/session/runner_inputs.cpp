#include "session/runner_inputs.hpp"

#include <array>
#include <cmath>
#include <utility>

#include "model/number_reader.hpp"
#include "model/number_text.hpp"

namespace kestrova {
namespace {

constexpr double kKilometresPerMile = 1.609344;
constexpr double kPoundsPerKilogram = 2.2;  // the weight boxes' own factor

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// Digits with at most one decimal point and at least one digit: no sign, blanks or exponent.
bool IsPlainDecimal(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool IsWholeDigits(std::string_view text) {
    return IsPlainDecimal(text) && text.find('.') == std::string_view::npos;
}

// A plain decimal's value rounded to a whole number within [low, high], or nothing.
std::optional<int> RoundedWithin(std::string_view text, double scale, int low, int high) {
    if (!IsPlainDecimal(text)) {
        return std::nullopt;
    }
    const std::optional<long long> rounded = RoundHalfEven(ReadAsNumber(text) * scale);
    if (!rounded || *rounded < low || *rounded > high) {
        return std::nullopt;
    }
    return static_cast<int>(*rounded);
}

struct DistanceSuffix {
    std::string_view suffix;
    DistanceUnit unit;
};

// Longer suffixes first, so "hmara" is not read as "mara" and "km" not as "m".
constexpr std::array<DistanceSuffix, 6> kDistanceSuffixes{{
    {"hmara", DistanceUnit::HalfMarathon},
    {"mara", DistanceUnit::Marathon},
    {"km", DistanceUnit::Kilometers},
    {"mi", DistanceUnit::Miles},
    {"yd", DistanceUnit::Yards},
    {"m", DistanceUnit::Meters},
}};

// The number text and unit of a distance word, or nothing.
std::optional<std::pair<std::string, DistanceUnit>> ReadDistance(std::string_view word) {
    for (const DistanceSuffix& entry : kDistanceSuffixes) {
        if (!word.ends_with(entry.suffix)) {
            continue;
        }
        const std::string_view number = word.substr(0, word.size() - entry.suffix.size());
        if (IsFixedDistance(entry.unit)) {
            return number.empty() ? std::optional(std::pair(std::string(), entry.unit))
                                  : std::nullopt;
        }
        if (!IsPlainDecimal(number) || ReadAsNumber(number) <= 0.0) {
            return std::nullopt;
        }
        return std::pair(std::string(number), entry.unit);
    }
    return std::nullopt;
}

// Splits "h:mm:ss", "mm:ss" or "ss" into hours, minutes and seconds texts; only the seconds may
// have decimals.
std::optional<std::array<std::string, 3>> ReadTime(std::string_view word) {
    std::array<std::string, 3> parts{"0", "0", ""};
    std::array<std::string_view, 3> fields{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < fields.size()) {
        const std::size_t colon = word.find(':', start);
        fields[count++] = word.substr(start, colon - start);
        if (colon == std::string_view::npos) {
            break;
        }
        start = colon + 1;
        if (count == fields.size()) {
            return std::nullopt;  // a fourth field
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        if (!(last ? IsPlainDecimal(fields[i]) : IsWholeDigits(fields[i]))) {
            return std::nullopt;
        }
        parts[3 - count + i] = std::string(fields[i]);
    }
    return parts;
}

void SetWeightPoundsIfChanged(MainFormInputs& form, int pounds) {
    // The window runs the bar's handler only when its value changes, so the start-up weight
    // keeps its "72.7" kilogram text.
    if (pounds != form.wtscrl) {
        SetWeight(form, pounds);
    }
}

}  // namespace

bool IsRaceDistance(std::string_view distance) {
    return ReadDistance(distance).has_value();
}

RunnerInputError SetRaceRow(RaceRowInputs& row, std::string_view distance, std::string_view time) {
    const auto where = ReadDistance(distance);
    if (!where) {
        return "needs a distance such as 5km, 10000m, 3mi, 880yd, mara or hmara, not " +
               Quoted(distance);
    }
    const auto parts = ReadTime(time);
    if (!parts) {
        return "needs a time as h:mm:ss, mm:ss or seconds, not " + Quoted(time);
    }
    row.Check1 = 1;
    row.Text1 = (*parts)[0];
    row.Text2 = (*parts)[1];
    row.Text3 = (*parts)[2];
    row.Text4 = where->first;
    row.SelectUnit(where->second);
    return std::nullopt;
}

RunnerInputError SetRunnerAge(MainFormInputs& form, std::string_view years) {
    if (!IsPlainDecimal(years)) {
        return "needs an age in years, not " + Quoted(years);
    }
    form.txtage = std::string(years);
    return std::nullopt;
}

RunnerInputError SetRunnerSex(MainFormInputs& form, std::string_view sex) {
    if (sex == "m") {
        SelectMale(form);
    } else if (sex == "f") {
        SelectFemale(form);
    } else {
        return "takes m or f, not " + Quoted(sex);
    }
    return std::nullopt;
}

RunnerInputError SetWeeklyMiles(MainFormInputs& form, std::string_view miles) {
    const std::optional<int> value =
        IsWholeDigits(miles) ? RoundedWithin(miles, 1.0, kWeeklyMilesMin, kWeeklyMilesMax)
                             : std::nullopt;
    if (!value) {
        return "needs a whole number of miles from 0 to 150, not " + Quoted(miles);
    }
    SetWeeklyVolume(form, *value);
    return std::nullopt;
}

RunnerInputError SetWeeklyKm(MainFormInputs& form, std::string_view kilometres) {
    const std::optional<int> value =
        RoundedWithin(kilometres, 1.0 / kKilometresPerMile, kWeeklyMilesMin, kWeeklyMilesMax);
    if (!value) {
        return "needs kilometres from 0 to 241, not " + Quoted(kilometres);
    }
    SetWeeklyVolume(form, *value);
    return std::nullopt;
}

RunnerInputError SetWeightKg(MainFormInputs& form, std::string_view kilograms) {
    const std::optional<int> pounds =
        RoundedWithin(kilograms, kPoundsPerKilogram, kWeightPoundsMin, kWeightPoundsMax);
    if (!pounds) {
        return "needs kilograms from 13.64 to 136.36, not " + Quoted(kilograms);
    }
    SetWeightPoundsIfChanged(form, *pounds);
    return std::nullopt;
}

RunnerInputError SetWeightLb(MainFormInputs& form, std::string_view pounds) {
    const std::optional<int> value =
        IsWholeDigits(pounds) ? RoundedWithin(pounds, 1.0, kWeightPoundsMin, kWeightPoundsMax)
                              : std::nullopt;
    if (!value) {
        return "needs a whole number of pounds from 30 to 300, not " + Quoted(pounds);
    }
    SetWeightPoundsIfChanged(form, *value);
    return std::nullopt;
}

RunnerInputError SetFitMode(MainFormInputs& form, std::string_view mode) {
    if (mode == "best-two") {
        SelectFitBestTwo(form);
    } else if (mode == "all") {
        SelectUseAllData(form);
    } else {
        return "takes best-two or all, not " + Quoted(mode);
    }
    return std::nullopt;
}

RunnerInputError SetLevelPercent(MainFormInputs& form, std::string_view percent) {
    const std::optional<int> tenths =
        RoundedWithin(percent, 10.0, kComparisonLevelMin, kComparisonLevelMax);
    if (!tenths) {
        return "needs a level in per cent from 0 to 105, not " + Quoted(percent);
    }
    SetComparisonLevel(form, *tenths);
    return std::nullopt;
}

RunnerInputError SetAgeGraded(MainFormInputs& form, std::string_view flag) {
    if (flag == "1" || flag == "yes" || flag == "true") {
        form.agecomp = 1;
    } else if (flag.empty() || flag == "0" || flag == "no" || flag == "false") {
        form.agecomp = 0;
    } else {
        return "takes 1 or 0 (yes or no), not " + Quoted(flag);
    }
    return std::nullopt;
}

std::optional<RunnerFieldSetter> RunnerFieldNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, RunnerFieldSetter>, 9> kFields{{
        {"age", SetRunnerAge},
        {"sex", SetRunnerSex},
        {"weekly-miles", SetWeeklyMiles},
        {"weekly-km", SetWeeklyKm},
        {"weight-kg", SetWeightKg},
        {"weight-lb", SetWeightLb},
        {"fit", SetFitMode},
        {"level", SetLevelPercent},
        {"age-graded", SetAgeGraded},
    }};
    for (const auto& [fieldName, setter] : kFields) {
        if (fieldName == name) {
            return setter;
        }
    }
    return std::nullopt;
}

void TakeRunner(MainFormInputs& form, const MainFormInputs& runner) {
    const bool metric = form.Option9;
    const bool english = form.Option10;
    const bool fitBestTwoEnabled = form.Option7Enabled;
    const bool reportItems = form.reportItemsEnabled;
    const bool analysisButtons = form.analysisButtonsEnabled;
    form = runner;
    form.Option9 = metric;
    form.Option10 = english;
    form.Option7Enabled = fitBestTwoEnabled;
    form.reportItemsEnabled = reportItems;
    form.analysisButtonsEnabled = analysisButtons;
}

}  // namespace kestrova
