#pragma once

#include <QFont>

namespace kestrova {

// The text font of every window: Liberation Sans (installed with the program; it has Arial's
// widths, the font the windows' layout in twips was made for) at 9 points, never the desktop's
// default font. A desktop whose default is wider (or a bare system whose "sans-serif" is a
// fixed-pitch font) would otherwise push controls out of the windows sized for it.
QFont ProgramFont();

// Makes ProgramFont the font of every window, message box and dialog of the program; called
// once, right after the application object is made.
void UseProgramFont();

}  // namespace kestrova
