#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/distance_unit.hpp"

namespace kestrova {

inline constexpr int kRaceRowCount = 5;

// Scroll bar ranges of the main window.
inline constexpr int kWeeklyMilesMin = 0;
inline constexpr int kWeeklyMilesMax = 150;
inline constexpr int kComparisonLevelMin = 0;
inline constexpr int kComparisonLevelMax = 1050;
inline constexpr int kWeightPoundsMin = 30;
inline constexpr int kWeightPoundsMax = 300;

// One race row of the main window, by its control names.
struct RaceRowInputs {
    int Check1 = 0;     // "use?": 0 clear, 1 checked (2 greyed, treated as not used)
    std::string Text1;  // hours
    std::string Text2;  // minutes
    std::string Text3;  // seconds
    std::string Text4;  // number
    std::array<bool, kDistanceUnitCount> unitOption{};  // Option1 ... Option6 of the row

    // The first selected unit button in the order Option1 ... Option6, if any.
    std::optional<DistanceUnit> SelectedUnit() const;
    // Selects one unit button and clears the others of the row's group.
    void SelectUnit(DistanceUnit unit);

    bool operator==(const RaceRowInputs&) const = default;
};

// The contents of the main window's controls as plain data, under the controls' own names. It
// is what Calculate reads (and the few control states Calculate changes), what the settings file
// stores line for line, and what the main window converts its widgets to and from. The default
// values are the window's start-up values.
struct MainFormInputs {
    std::string txtname = "Joe Runner";
    std::string txtage = "35";
    bool optmale = true;
    bool optfemale = false;
    int agecomp = 0;  // "Use age-based comparisons" check value

    int HScroll1 = 20;  // weekly training volume, whole miles
    std::string txtmi = "20";
    std::string txtkm = "32";
    int HScroll2 = 1000;  // comparison level in tenths of a per cent
    std::string Text5 = "100";
    int wtscrl = 160;  // weight, whole pounds
    std::string txlb = "160";
    std::string txkg = "72.7";

    bool Option7 = false;   // "Fit best two"
    bool Option8 = true;    // "Use all data"
    bool Option9 = true;    // "Metric output"
    bool Option10 = false;  // "English output"

    std::array<RaceRowInputs, kRaceRowCount> rows = StartUpRows();

    // Control states that a Calculate run changes.
    bool Option7Enabled = true;           // "Fit best two" can be chosen
    bool reportItemsEnabled = false;      // menu items "Full report" and "Text file of full report"
    bool analysisButtonsEnabled = false;  // "Graph", "Analyze" and "Special"

    static std::array<RaceRowInputs, kRaceRowCount> StartUpRows();

    bool operator==(const MainFormInputs&) const = default;
};

// The handlers that keep the display boxes beside each scroll bar up to date. Each sets the
// bar's value and rewrites its boxes, as the window does on every change and drag step.
void SetWeeklyVolume(MainFormInputs& form, int miles);
void SetComparisonLevel(MainFormInputs& form, int tenthsOfPercent);
void SetWeight(MainFormInputs& form, int pounds);

// The body weight in kilograms that the model uses: the number shown in the kilogram box.
double WeightKgShown(const MainFormInputs& form);

// Whether any race row has "use?" checked: without one, Calculate has nothing to calculate.
bool AnyRaceRowUsed(const MainFormInputs& form);

// "Clear": every row unticked, its four boxes empty and "meters" selected. Nothing else changes.
void ClearRaceRows(MainFormInputs& form);

// Option button groups: selecting one clears the others of its group.
void SelectMale(MainFormInputs& form);
void SelectFemale(MainFormInputs& form);
void SelectFitBestTwo(MainFormInputs& form);
void SelectUseAllData(MainFormInputs& form);
void SelectMetricOutput(MainFormInputs& form);
void SelectEnglishOutput(MainFormInputs& form);

}  // namespace kestrova
