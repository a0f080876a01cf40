#pragma once

#include <cctype>
#include <string>

#include "model/calculate.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/start_up_state.hpp"
#include "model/text_sink.hpp"

namespace kestrova::test_support {

// Whether a printed text shows a value that is not a number, in any spelling the C++ library
// or a formatter may give it ("nan", "NaN", "-inf", "Inf", "INF").
inline bool ShowsANonNumber(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// The state the main window holds after its start-up and one "Calculate" on `form` (which the
// run may change, as it changes the window's controls).
inline ModelState CalculatedState(MainFormInputs& form) {
    ModelState state = StartUpState(form);
    LineBuffer picture;
    RecordingNotifier ignored;
    Calculate(state, form, picture, ignored);
    return state;
}

// The men's curve at age 35 that the pacing strategy tables are checked on.
inline ModelState PacingExampleCurve() {
    ModelState state;
    state.anaerobicEnergy = 230000;
    state.aerobicPower = 1198;
    state.refDist = 5000;
    state.fadeCoef = 0.065;
    state.timeOffset = 3;
    state.sex = "m";
    state.age = 35;
    return state;
}

// A ticked race row with these boxes and unit.
inline RaceRowInputs TickedRaceRow(const std::string& hours, const std::string& minutes,
                                   const std::string& seconds, const std::string& number,
                                   DistanceUnit unit) {
    RaceRowInputs row;
    row.Check1 = 1;
    row.Text1 = hours;
    row.Text2 = minutes;
    row.Text3 = seconds;
    row.Text4 = number;
    row.SelectUnit(unit);
    return row;
}

// Ticks race row `row` and fills its boxes and unit.
inline void SetRaceRow(MainFormInputs& form, int row, const std::string& hours,
                       const std::string& minutes, const std::string& seconds,
                       const std::string& number, DistanceUnit unit) {
    form.rows[static_cast<std::size_t>(row)] = TickedRaceRow(hours, minutes, seconds, number, unit);
}

// A marathoner: strong at long distances, slow over 800 m.
inline MainFormInputs EnduranceRunner() {
    MainFormInputs form;
    ClearRaceRows(form);
    SetRaceRow(form, 0, "0", "2", "25", "800", DistanceUnit::Meters);
    SetRaceRow(form, 1, "0", "15", "40", "5", DistanceUnit::Kilometers);
    SetRaceRow(form, 2, "2", "32", "00", "", DistanceUnit::Marathon);
    SetWeeklyVolume(form, 90);
    return form;
}

// A middle-distance runner: very fast over 800 m, fading beyond 5 km.
inline MainFormInputs SprintRunner() {
    MainFormInputs form;
    ClearRaceRows(form);
    SetRaceRow(form, 0, "0", "0", "49", "400", DistanceUnit::Meters);
    SetRaceRow(form, 1, "0", "1", "52", "800", DistanceUnit::Meters);
    SetRaceRow(form, 2, "0", "19", "30", "5", DistanceUnit::Kilometers);
    SetWeeklyVolume(form, 25);
    return form;
}

}  // namespace kestrova::test_support
