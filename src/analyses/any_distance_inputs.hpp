#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analyses/table_cells.hpp"
#include "model/distance_unit.hpp"

namespace kestrova {

inline constexpr int kSpecialAnalysisChoices = 4;

// The controls of the special information window as plain data, under their control names. The
// defaults are the window's starting contents: 5 km, no analysis chosen, slope 0.05.
struct SpecialFormInputs {
    std::string Text1 = "5";  // distance number
    // optmi, optyd, optkm, optm, optmara, opthmara
    std::array<bool, kDistanceUnitCount> unitChoice{false, false, true, false, false, false};
    // Option1 "Uneven splits effect", Option2 "Hill - constant slope",
    // Option3 "Hill - half up/half down", Option5 "Level time only"
    std::array<bool, kSpecialAnalysisChoices> analysisChoice{};
    std::string Text3 = "0.05";  // slope: rise per distance along the surface
    // Command4's caption: "Switch to minutes/kilometer" shows paces per mile, "Switch to
    // minutes/mile" per kilometre.
    PaceUnit paceUnit = PaceUnit::Mile;

    bool operator==(const SpecialFormInputs&) const = default;
};

// The window's last inputs, kept by the program for the whole run (not in the settings file), so
// that the window opens again with them.
struct SpecialFormMemory {
    int used = 0;  // 1 once a calculation has run
    std::string distanceText;
    std::array<bool, kDistanceUnitCount> unitChoice{};
    std::array<bool, kSpecialAnalysisChoices> analysisChoice{};
    std::string slopeText;
};

// Keeps the inputs of a calculation.
void StoreSpecialInputs(const SpecialFormInputs& inputs, SpecialFormMemory& memory);

// What the window shows when it opens: the starting contents, or the remembered inputs once a
// calculation has run (the pace unit always starts at miles).
SpecialFormInputs OpeningSpecialInputs(const SpecialFormMemory& memory);

// The analysis chosen (modeCode "", "n", "c" or "r"), tested in the order Option1, Option2,
// Option3; Option5 or no choice is the level time only.
enum class SpecialAnalysis { LevelOnly, UnevenSplits, ConstantSlope, HalfUpHalfDown };
SpecialAnalysis ChosenAnalysis(const SpecialFormInputs& inputs);

// Whether the analysis prints a strategy table, which has the pace unit switch (Command4 enabled,
// Label8 shown).
bool HasStrategyTable(SpecialAnalysis analysis);

// The distance in metres: Text1 read as a number times the unit's metres; the marathon and half
// marathon ignore the number. No unit chosen gives 0.
double SpecialDistance(const SpecialFormInputs& inputs);

// The slope used: Text3 read as a number for the two hill analyses, otherwise 0.
double SpecialSlope(const SpecialFormInputs& inputs);

// Text2: the slope of Text3 as rise per horizontal distance, s / (1 - s^2)^0.5, 6 characters
// with 4 decimals ("0.0501" for 0.05); empty when the magnitude of s is 1 or more.
std::string HorizontalGradeText(std::string_view slopeText);

}  // namespace kestrova
