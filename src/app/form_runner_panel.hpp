#pragma once

#include "app/form_widgets.hpp"

class QWidget;

namespace kestrova {

// The runner's name, age, sex and age-comparison box, and the fit-mode and output-unit groups.
// Fills in their fields of `form` and returns the panel holding them.
QWidget* CreateRunnerPanel(MainFormWidgets& form, QWidget* parent);

}  // namespace kestrova
