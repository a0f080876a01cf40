#pragma once

#include "app/form_widgets.hpp"

class QPushButton;
class QWidget;

namespace kestrova {

// The three scroll bars with their captions and display boxes: weekly training volume (miles
// and kilometres), comparison level (per cent, with the "Explanation" button beside it) and
// weight (pounds and kilograms). Fills in their fields of `form`.
QWidget* CreateBarsPanel(MainFormWidgets& form, QPushButton* explanation, QWidget* parent);

}  // namespace kestrova
