#pragma once

class QAction;
class QActionGroup;
class QMenuBar;

namespace kestrova {

// The main window's menu bar items, under their control names. Sub-menus (QMenu) carry the
// names "file", "tables", "graphs", "scale", "units" and "print".
struct MainMenus {
    QAction* datafiles = nullptr;       // "Data File Access"
    QAction* importactivity = nullptr;  // "Import race from activity file…"
    QAction* openteam = nullptr;        // "Open team file…"
    QAction* exit = nullptr;            // "Exit"

    QAction* hillpaces = nullptr;    // "Hill Paces"
    QAction* tread = nullptr;        // "Treadmill Equivalents"
    QAction* power = nullptr;        // "Power and Energy"
    QAction* performance = nullptr;  // "Performance Tables and Age Effects"

    // Graph options: each item holds its graphScale (1-4) or graphUnits ("m"/"e") as data.
    QAction* log = nullptr;
    QAction* lin1 = nullptr;
    QAction* lin2 = nullptr;
    QAction* lin3 = nullptr;
    QActionGroup* scale = nullptr;
    QAction* metric = nullptr;
    QAction* english = nullptr;
    QActionGroup* units = nullptr;

    QAction* ppinfo = nullptr;  // "Information on printing"
    QAction* pfull = nullptr;   // "Full report"
    QAction* tfile = nullptr;   // "Text file of full report"

    // Items of the menu bar itself, without a sub-menu.
    QAction* proghelp = nullptr;  // "Help"
    QAction* refs = nullptr;      // "References"
    QAction* about = nullptr;     // "About"
};

// Fills the menu bar in its fixed order. Each item's text carries its keyboard mnemonic (an
// '&'); the caption shown is the item's caption. "Full report" and "Text file of full report"
// are disabled until a run.
MainMenus CreateMainMenus(QMenuBar* bar);

}  // namespace kestrova
