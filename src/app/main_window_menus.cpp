#include "app/main_window_menus.hpp"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kestrova {
namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& text) {
    QMenu* menu = bar->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QMenu* AddSubMenu(QMenu* parent, const char* name, const QString& text) {
    QMenu* menu = parent->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

template <typename Container>
QAction* AddItem(Container* container, const char* name, const QString& text, bool enabled = true) {
    QAction* action = container->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
}

// A checkable item of an exclusive group, carrying the value it sets.
QAction* AddChoice(QMenu* menu, QActionGroup* group, const char* name, const QString& text,
                   const QVariant& value) {
    QAction* action = AddItem(menu, name, text);
    action->setCheckable(true);
    action->setData(value);
    group->addAction(action);
    return action;
}

void AddFileMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* file = AddMenu(bar, "file", QStringLiteral("&File"));
    menus.datafiles = AddItem(file, "datafiles", QStringLiteral("&Data File Access"));
    menus.importactivity =
        AddItem(file, "importactivity", QStringLiteral("&Import race from activity file…"));
    menus.openteam = AddItem(file, "openteam", QStringLiteral("Open &team file…"));
    menus.exit = AddItem(file, "exit", QStringLiteral("E&xit"));
    menus.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void AddTablesMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* tables = AddMenu(bar, "tables", QStringLiteral("&Tables"));
    menus.hillpaces = AddItem(tables, "hillpaces", QStringLiteral("&Hill Paces"));
    menus.tread = AddItem(tables, "tread", QStringLiteral("&Treadmill Equivalents"));
    menus.power = AddItem(tables, "power", QStringLiteral("&Power and Energy"));
    menus.performance =
        AddItem(tables, "performance", QStringLiteral("P&erformance Tables and Age Effects"));
}

void AddGraphMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* graphs = AddMenu(bar, "graphs", QStringLiteral("&Graph options"));
    QMenu* scale = AddSubMenu(graphs, "scale", QStringLiteral("&Scale"));
    menus.scale = new QActionGroup(scale);
    menus.log = AddChoice(scale, menus.scale, "log", QStringLiteral("100 m - 100 km &Log"), 4);
    menus.lin1 = AddChoice(scale, menus.scale, "lin1", QStringLiteral("100 m - &800 m Linear"), 1);
    menus.lin2 = AddChoice(scale, menus.scale, "lin2", QStringLiteral("&400 m - 3200 m Linear"), 2);
    menus.lin3 =
        AddChoice(scale, menus.scale, "lin3", QStringLiteral("&5 km - Marathon Linear"), 3);
    menus.log->setChecked(true);

    QMenu* units = AddSubMenu(graphs, "units", QStringLiteral("&Units"));
    menus.units = new QActionGroup(units);
    menus.metric = AddChoice(units, menus.units, "metric", QStringLiteral("&Metric"), "m");
    menus.english = AddChoice(units, menus.units, "english", QStringLiteral("&English"), "e");
    menus.metric->setChecked(true);
}

void AddPrintMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* print = AddMenu(bar, "print", QStringLiteral("&Print"));
    menus.ppinfo = AddItem(print, "ppinfo", QStringLiteral("&Information on printing"));
    // Enabled by the first Calculate run.
    menus.pfull = AddItem(print, "pfull", QStringLiteral("&Full report"), false);
    menus.tfile = AddItem(print, "tfile", QStringLiteral("&Text file of full report"), false);
}

}  // namespace

MainMenus CreateMainMenus(QMenuBar* bar) {
    MainMenus menus;
    AddFileMenu(bar, menus);
    AddTablesMenu(bar, menus);
    AddGraphMenu(bar, menus);
    AddPrintMenu(bar, menus);
    menus.proghelp = AddItem(bar, "proghelp", QStringLiteral("&Help"));
    menus.refs = AddItem(bar, "refs", QStringLiteral("&References"));
    menus.about = AddItem(bar, "about", QStringLiteral("&About"));
    return menus;
}

}  // namespace kestrova
