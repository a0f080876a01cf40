#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/main_form_inputs.hpp"

namespace kestrova {

// A runner and races given as words (command-line options, team file cells) put into the main
// window's inputs as a user would set the controls. Each setter returns why the word cannot be
// used (a short phrase to follow the option's or column's name), or nothing when it was applied.
using RunnerInputError = std::optional<std::string>;

// DISTANCE as a number and a unit ("5km", "10000m", "3mi", "880yd", "1.5mi") or "mara" or
// "hmara"; TIME as "h:mm:ss", "mm:ss" or seconds ("58.3"). The row is ticked.
RunnerInputError SetRaceRow(RaceRowInputs& row, std::string_view distance, std::string_view time);

// The runner's profile, one control each; the value words are those of the command line.
RunnerInputError SetRunnerAge(MainFormInputs& form, std::string_view years);
RunnerInputError SetRunnerSex(MainFormInputs& form, std::string_view sex);  // "m" or "f"
RunnerInputError SetWeeklyMiles(MainFormInputs& form, std::string_view miles);
RunnerInputError SetWeeklyKm(MainFormInputs& form, std::string_view kilometres);
RunnerInputError SetWeightKg(MainFormInputs& form, std::string_view kilograms);
RunnerInputError SetWeightLb(MainFormInputs& form, std::string_view pounds);
RunnerInputError SetFitMode(MainFormInputs& form, std::string_view mode);  // "best-two", "all"
RunnerInputError SetLevelPercent(MainFormInputs& form, std::string_view percent);
// "1"/"0", "yes"/"no", "true"/"false" or empty (no).
RunnerInputError SetAgeGraded(MainFormInputs& form, std::string_view flag);

// One profile field by its name ("age", "sex", "weekly-miles", "weekly-km", "weight-kg",
// "weight-lb", "fit", "level", "age-graded"), or nothing when the name is none of them.
using RunnerFieldSetter = RunnerInputError (*)(MainFormInputs&, std::string_view);
std::optional<RunnerFieldSetter> RunnerFieldNamed(std::string_view name);

// Puts the runner of `runner` into `form`, as a user would retype every control of the runner:
// the name, age, sex, age comparisons, weekly volume, comparison level, weight, fit and the five
// race rows. The output units and the control states of `form` stay.
void TakeRunner(MainFormInputs& form, const MainFormInputs& runner);

// Whether a word names a race distance as SetRaceRow reads it.
bool IsRaceDistance(std::string_view distance);

}  // namespace kestrova
