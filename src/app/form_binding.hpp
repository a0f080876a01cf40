#pragma once

#include "app/form_widgets.hpp"
#include "model/main_form_inputs.hpp"

namespace kestrova {

// The main window's controls read into the plain form that Calculate and the settings file use.
MainFormInputs ReadFormWidgets(const MainFormWidgets& widgets);

// Puts every value of the form on the controls, display boxes included, with the controls'
// signals blocked so that no handler runs and recomputes a display box.
void ShowFormInputs(const MainFormInputs& form, const MainFormWidgets& widgets);

// Puts the race rows of the form on the controls (used by "Clear").
void ShowRaceRows(const MainFormInputs& form, const MainFormWidgets& widgets);

// Applies what a Calculate run changed on the form: whether "Fit best two" can be chosen, the
// fit-mode selection, and the enabling of "Analyze", "Full report" and "Text file of full
// report". Nothing is ever disabled here except "Fit best two".
void ShowRunResults(const MainFormInputs& form, const MainFormWidgets& widgets);

}  // namespace kestrova
