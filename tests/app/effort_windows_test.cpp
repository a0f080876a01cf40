#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "analyses/power_table.hpp"
#include "analyses/slope_table.hpp"
#include "analyses/treadmill_table.hpp"
#include "app/power_window.hpp"
#include "app/slope_window.hpp"
#include "app/text_canvas.hpp"
#include "app/treadmill_window.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

const char* kMileSlopeExample =
    "Example: Running 7:00 per mile on level surface requires about the same effort as 9:24 per "
    "mile on an 6% uphill grade or 5:42 per mile on a 6% downhill grade.";
const char* kMileSlopeExampleHorizontal =
    "Example: Running 7:00 per mile on level surface requires about the same effort as 9:23 per "
    "mile on an 6% uphill grade or 5:42 per mile on a 6% downhill grade.";
const char* kKmSlopeExample =
    "Example: Running 5:00 per kilometer on level surface requires about the same effort as 6:50 "
    "per kilometer on an 6% uphill grade or 4:00 per kilometer on a 6% downhill grade.";
const char* kKmSlopeExampleHorizontal =
    "Example: Running 5:00 per kilometer on level surface requires about the same effort as 6:50 "
    "per kilometer on an 6% uphill grade or 4:01 per kilometer on a 6% downhill grade.";
const char* kAlongSurface = "GRADE (vertical rise/distance along surface)";
const char* kHorizontal = "  GRADE (vertical rise/horizontal distance)";

std::vector<std::string> PowerLines(double weightKg, PaceUnit unit) {
    LineBuffer sink;
    ShowPowerTable(weightKg, unit, sink);
    return sink.Lines();
}

std::vector<std::string> SlopeLines(const SlopeTableSettings& settings) {
    LineBuffer sink;
    ShowSlopeTable(settings, sink);
    return sink.Lines();
}

std::vector<std::string> TreadmillLines(PaceUnit unit) {
    LineBuffer sink;
    ShowTreadmillTable(unit, sink);
    return sink.Lines();
}

class EffortWindowsTest : public test_support::WindowTest {
  protected:
    template <typename Widget>
    Widget* Find(QWidget* window, const char* name) {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(QWidget* window, const char* label) { return Find<QLabel>(window, label)->text(); }
    void Click(QWidget* window, const char* button) { Find<QPushButton>(window, button)->click(); }

    ModelState& state_ = context_.State();
};

TEST_F(EffortWindowsTest, PowerWindowSwitchesUnitsAndFollowsTheWeight) {
    PowerWindow* window = OpenPowerWindow(context_.Context());
    EXPECT_EQ(Text(window, "Label2"),
              "min/mi  mi/hr   Watts     Watts  Watts   kcal/hr kcal/hr   "
              "METs      kcal/mi  kcal/mi ");
    EXPECT_EQ(window->Canvas().Buffer().Lines(), PowerLines(72.7, PaceUnit::Mile));

    Click(window, "Command2");
    EXPECT_EQ(Find<QPushButton>(window, "Command2")->text(), "Switch to minutes/mile");
    EXPECT_EQ(Text(window, "Label2"),
              "min/km  km/hr   Watts     Watts  Watts    kJ/hr   kJ/hr    "
              "METs       kJ/km    kJ/km ");
    EXPECT_EQ(window->Canvas().Buffer().Lines(), PowerLines(72.7, PaceUnit::Kilometer));

    // Opened again from the menu after the weight bar moved: the same window, the new weight.
    state_.weightKg = 73.18;
    EXPECT_EQ(OpenPowerWindow(context_.Context()), window);
    EXPECT_EQ(window->Canvas().Buffer().Lines(), PowerLines(73.18, PaceUnit::Kilometer));
    Click(window, "Command2");
    EXPECT_EQ(Find<QPushButton>(window, "Command2")->text(), "Switch to minutes/kilometer");
    EXPECT_EQ(window->Canvas().Buffer().Lines(), PowerLines(73.18, PaceUnit::Mile));
}

TEST_F(EffortWindowsTest, SlopeWindowRangeButtonsStopAtTheEnds) {
    SlopeWindow* window = OpenSlopeWindow(context_.Context());
    auto* minus = Find<QPushButton>(window, "sclminus");
    auto* plus = Find<QPushButton>(window, "sclplus");
    EXPECT_TRUE(minus->isEnabled());
    EXPECT_TRUE(plus->isEnabled());
    EXPECT_EQ(window->Canvas().Buffer().Lines(), SlopeLines({2, 1, PaceUnit::Mile}));

    minus->click();
    EXPECT_EQ(window->Settings().slopeRange, 1);
    EXPECT_FALSE(minus->isEnabled());
    EXPECT_EQ(window->Canvas().Buffer().Lines(), SlopeLines({1, 1, PaceUnit::Mile}));
    for (int i = 0; i < 3; ++i) {
        plus->click();
    }
    EXPECT_EQ(window->Settings().slopeRange, 4);
    EXPECT_TRUE(minus->isEnabled());
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_EQ(window->Canvas().Buffer().Lines(), SlopeLines({4, 1, PaceUnit::Mile}));

    // The menu item starts again at range 2, with both buttons usable.
    EXPECT_EQ(OpenSlopeWindow(context_.Context()), window);
    EXPECT_EQ(window->Settings().slopeRange, 2);
    EXPECT_TRUE(plus->isEnabled());
    EXPECT_TRUE(minus->isEnabled());
}

TEST_F(EffortWindowsTest, SlopeWindowUnitAndGradeSwitches) {
    SlopeWindow* window = OpenSlopeWindow(context_.Context());
    EXPECT_EQ(Text(window, "Label1"), " Paces in minutes per mile");
    EXPECT_EQ(Text(window, "Label2"), kMileSlopeExample);
    EXPECT_EQ(Text(window, "Label4"), kAlongSurface);
    EXPECT_EQ(Find<QPushButton>(window, "Command2")->text(), "Switch to minutes/kilometer");

    Click(window, "Command2");
    EXPECT_EQ(Find<QPushButton>(window, "Command2")->text(), "Switch to minutes/mile");
    EXPECT_EQ(Text(window, "Label1"), "Paces in minutes per kilometer");
    EXPECT_EQ(Text(window, "Label2"), kKmSlopeExample);
    EXPECT_EQ(window->Canvas().Buffer().Lines(), SlopeLines({2, 1, PaceUnit::Kilometer}));

    Click(window, "Command4");
    EXPECT_EQ(state_.gradeDefinition, 2);
    EXPECT_EQ(Text(window, "Label4"), kHorizontal);
    EXPECT_EQ(Text(window, "Label2"), kKmSlopeExampleHorizontal);
    EXPECT_EQ(window->Canvas().Buffer().Lines(), SlopeLines({2, 2, PaceUnit::Kilometer}));

    Click(window, "Command2");
    EXPECT_EQ(Text(window, "Label1"), "Paces in minutes per mile");
    EXPECT_EQ(Text(window, "Label2"), kMileSlopeExampleHorizontal);
    EXPECT_EQ(window->Canvas().Buffer().Lines(), SlopeLines({2, 2, PaceUnit::Mile}));

    // The grade definition is kept for the run; a new window shows it in its labels too.
    window->close();
    test_support::DeleteClosedWindows();
    SlopeWindow* reopened = OpenSlopeWindow(context_.Context());
    EXPECT_EQ(Text(reopened, "Label1"), " Paces in minutes per mile");
    EXPECT_EQ(Text(reopened, "Label4"), kHorizontal);
    EXPECT_EQ(reopened->Canvas().Buffer().Lines(), SlopeLines({2, 2, PaceUnit::Mile}));
}

TEST_F(EffortWindowsTest, TreadmillWindowSwitchesUnits) {
    TreadmillWindow* window = OpenTreadmillWindow(context_.Context());
    const QString mileUnit =
        "Pace needed on treadmill with various inclines to simulate outdoor "
        "flat conditions.  Paces in minutes per mile.";
    const QString mileExample =
        "Example: 9.0 miles per hour (a 6:40 per mile pace) on a treadmill with a 3 percent "
        "incline "
        "requires about the same effort as a 6:01 per mile pace on level ground outdoors.";
    EXPECT_EQ(Text(window, "Label1"), mileUnit);
    EXPECT_EQ(Text(window, "Label2"), mileExample);
    EXPECT_EQ(window->Canvas().Buffer().Lines(), TreadmillLines(PaceUnit::Mile));

    Click(window, "Command2");
    EXPECT_EQ(Find<QPushButton>(window, "Command2")->text(), "Switch to minutes/mile");
    EXPECT_EQ(Text(window, "Label1"),
              "Pace needed on treadmill with various inclines to simulate "
              "outdoor flat conditions.  Paces in minutes per kilometer.");
    EXPECT_EQ(
        Text(window, "Label2"),
        "Example: 15.0 kilometers per hour (a 4:00 per kilometer pace) on a treadmill with a 3 "
        "percent incline requires about the same effort as a 3:37 per kilometer pace on "
        "level ground outdoors.");
    EXPECT_EQ(window->Canvas().Buffer().Lines(), TreadmillLines(PaceUnit::Kilometer));
}

// "Print" asks for a printer with the window's buttons disabled; cancelling prints nothing and
// says nothing. Every window fits a 1366x768 screen and shows its table's whole width.
TEST_F(EffortWindowsTest, PrintAsksForAPrinterAndEachWindowFitsTheScreen) {
    QList<QWidget*> windows = {OpenPowerWindow(context_.Context()),
                               OpenSlopeWindow(context_.Context()),
                               OpenTreadmillWindow(context_.Context())};
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        const int asksBefore = context_.Dialogs().printerAsks;
        bool buttonsDisabled = false;
        context_.Dialogs().whilePrinterAsked = [&](QWidget*) {
            buttonsDisabled = !window->findChild<QPushButton*>("Command1")->isEnabled() &&
                              !window->findChild<QPushButton*>("Command3")->isEnabled();
        };
        Click(window, "Command3");
        EXPECT_EQ(context_.Dialogs().printerAsks, asksBefore + 1);
        EXPECT_TRUE(buttonsDisabled);
        EXPECT_TRUE(Find<QPushButton>(window, "Command1")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(window, "Command3")->isEnabled());
        EXPECT_LE(window->sizeHint().width(), 1366);
        EXPECT_LE(window->sizeHint().height(), 700);
        QCoreApplication::processEvents();
        EXPECT_EQ(Find<TextCanvas>(window, "canvas")->horizontalScrollBar()->maximum(), 0);
    }
    EXPECT_TRUE(context_.Notifier().Messages().empty());
    QPointer<QWidget> power = windows.front();
    Click(power, "Command1");
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(power.isNull());
}

}  // namespace
}  // namespace kestrova
