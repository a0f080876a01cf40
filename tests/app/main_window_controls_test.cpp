#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "app/race_rows_panel.hpp"
#include "app/slip_marks.hpp"
#include "app/text_canvas.hpp"
#include "main_window_fixture.hpp"

namespace kestrova {
namespace {

// A menu item's caption: its text without the mnemonic marker.
QString Shown(const QAction* action) {
    QString text = action->text();
    return text.remove(QLatin1Char('&'));
}

TEST_F(MainWindowTest, StartsWithTheStartUpValuesWhenThereIsNoSettingsFile) {
    MainWindow& window = Window();
    EXPECT_EQ(window.objectName(), "keststart");
    EXPECT_EQ(window.windowTitle(), "Kestrova Version 5.0");
    EXPECT_EQ(window.FormInputs(), MainFormInputs{});
    EXPECT_EQ(Find<QLineEdit>("txtmi")->text(), "20");
    EXPECT_EQ(Find<QLineEdit>("txtkm")->text(), "32");
    EXPECT_EQ(Find<QLineEdit>("Text5")->text(), "100");
    EXPECT_EQ(Find<QLineEdit>("txkg")->text(), "72.7");
    EXPECT_EQ(Find<QLineEdit>("Text3_2")->text(), "02");
    EXPECT_TRUE(Find<QRadioButton>("Option4_0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Option3_4")->isChecked());
    EXPECT_DOUBLE_EQ(state_.weightKg, 72.7);
    EXPECT_TRUE(Find<QPlainTextEdit>("Picture1")->toPlainText().isEmpty());
}

// Every menu and menu item can be reached from the keyboard: each caption has its access key.
TEST_F(MainWindowTest, EveryMenuItemHasAnAccessKey) {
    std::function<void(const QList<QAction*>&)> walk = [&walk](const QList<QAction*>& items) {
        for (QAction* action : items) {
            EXPECT_TRUE(action->text().contains(QLatin1Char('&'))) << Shown(action).toStdString();
            if (action->menu() != nullptr) {
                walk(action->menu()->actions());
            }
        }
    };
    walk(Window().menuBar()->actions());
    EXPECT_EQ(Find<QAction>("exit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
}

TEST_F(MainWindowTest, OnlyWhatWorksIsEnabledAtStart) {
    for (const char* name : {"Command1", "Command5", "Command6", "Command7", "Command8"}) {
        EXPECT_TRUE(Find<QAbstractButton>(name)->isEnabled()) << name;
    }
    for (const char* name : {"Command2", "Command3", "Command4"}) {
        EXPECT_FALSE(Find<QAbstractButton>(name)->isEnabled()) << name;
    }
    for (const char* name :
         {"datafiles", "exit", "hillpaces", "tread", "power", "performance", "log", "lin1", "lin2",
          "lin3", "metric", "english", "ppinfo", "proghelp", "refs", "about"}) {
        EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
    }
    for (const char* name : {"pfull", "tfile"}) {
        EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Find<QRadioButton>("Option7")->isEnabled());
}

TEST_F(MainWindowTest, ScrollBarBoxesFollowEveryDragStepAndStayInRange) {
    auto* bar = Find<QScrollBar>("HScroll1");
    bar->setSliderDown(true);
    bar->setSliderPosition(35);
    EXPECT_EQ(Find<QLineEdit>("txtmi")->text(), "35");
    EXPECT_EQ(Find<QLineEdit>("txtkm")->text(), "56");
    bar->setSliderDown(false);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Find<QLineEdit>("txtmi")->text(), "45");
    bar->setValue(1000);  // beyond the bar's end: held at 150
    EXPECT_EQ(Find<QLineEdit>("txtmi")->text(), "150");
    Find<QScrollBar>("wtscrl")->setValue(161);
    EXPECT_EQ(Find<QLineEdit>("txkg")->text(), "73.18");
    EXPECT_DOUBLE_EQ(state_.weightKg, 73.18);
}

// Each key moves a bar the way its arrow buttons point: Right, Down and Page Down up; Left, Up and
// Page Up down; Home and End to the ends.
TEST_F(MainWindowTest, ScrollBarKeysMoveTheWayTheArrowsPoint) {
    struct KeyStep {
        Qt::Key key;
        int value;  // after the key
    };
    const KeyStep weekly[] = {{Qt::Key_Right, 21},  {Qt::Key_Left, 20},   {Qt::Key_PageDown, 30},
                              {Qt::Key_PageUp, 20}, {Qt::Key_Up, 19},     {Qt::Key_Down, 20},
                              {Qt::Key_End, 150},   {Qt::Key_Right, 150}, {Qt::Key_Left, 149},
                              {Qt::Key_Home, 0},    {Qt::Key_Left, 0}};
    auto* bar = Find<QScrollBar>("HScroll1");
    for (const KeyStep& step : weekly) {
        QKeyEvent press(QEvent::KeyPress, step.key, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        EXPECT_EQ(bar->value(), step.value) << QKeySequence(step.key).toString().toStdString();
    }
    EXPECT_EQ(Find<QLineEdit>("txtmi")->text(), "0");
    auto* level = Find<QScrollBar>("HScroll2");
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(level, &end);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(level, &right);
    EXPECT_EQ(Find<QLineEdit>("Text5")->text(), "105");
}

// Tabbing onto a bar frames it, so the focus can be seen.
TEST_F(MainWindowTest, ScrollBarShowsItsFocus) {
    Window().show();
    QApplication::setActiveWindow(&Window());
    auto* bar = Find<QScrollBar>("wtscrl");
    const QImage before = bar->grab().toImage();
    bar->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_NE(bar->grab().toImage(), before);
}

TEST_F(MainWindowTest, DisplayBoxesAreReadOnly) {
    for (const char* name : {"txtmi", "txtkm", "Text5", "txlb", "txkg"}) {
        auto* box = Find<QLineEdit>(name);
        EXPECT_TRUE(box->isReadOnly()) << name;
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_EQ(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
    }
    EXPECT_EQ(Find<QPlainTextEdit>("Picture1")->cursorWidth(), 0);
    for (const char* name : {"txtname", "txtage", "Text1_0", "Text4_4"}) {
        EXPECT_FALSE(Find<QLineEdit>(name)->isReadOnly()) << name;
    }
}

TEST_F(MainWindowTest, GraphMenusCheckExactlyOneItemEach) {
    struct Choice {
        const char* item;
        int scale;  // 0 for a units item
        const char* units;
    };
    const Choice choices[] = {{"lin2", 2, "m"}, {"english", 2, "e"}, {"lin1", 1, "e"},
                              {"lin1", 1, "e"}, {"lin3", 3, "e"},    {"metric", 3, "m"},
                              {"log", 4, "m"}};
    for (const Choice& choice : choices) {
        Find<QAction>(choice.item)->trigger();
        EXPECT_EQ(state_.graphScale, choice.scale) << choice.item;
        EXPECT_EQ(state_.graphUnits, choice.units) << choice.item;
        int checkedScales = 0;
        for (const char* name : {"log", "lin1", "lin2", "lin3"}) {
            checkedScales += Find<QAction>(name)->isChecked() ? 1 : 0;
        }
        EXPECT_EQ(checkedScales, 1) << choice.item;
        EXPECT_NE(Find<QAction>("metric")->isChecked(), Find<QAction>("english")->isChecked());
        EXPECT_TRUE(Find<QAction>(choice.item)->isChecked());
    }
}

TEST_F(MainWindowTest, CanvasShowsTheWholeTableInItsFixedPitchFont) {
    auto* canvas = Find<QPlainTextEdit>("Picture1");
    const QFontInfo font(canvas->font());
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_TRUE(font.bold());
    EXPECT_DOUBLE_EQ(canvas->font().pointSizeF(), 8.25);
    Window().show();
    const int tableWidth = canvas->fontMetrics().horizontalAdvance(QString(95, QLatin1Char('0')));
    EXPECT_GE(canvas->viewport()->width(), tableWidth);
    EXPECT_LE(Window().sizeHint().width(), 1366);
    EXPECT_LE(Window().sizeHint().height(), 768 - 80);  // room for a title bar and a panel
}

TEST_F(MainWindowTest, CanvasFontResolvesToLiberationMono) {
    EXPECT_EQ(QFontInfo(Find<QPlainTextEdit>("Picture1")->font()).family(), "Liberation Mono");
}

TEST_F(MainWindowTest, RaceRowColumnsSitUnderTheirHeadingWords) {
    Window().show();
    auto* heading = Find<QLabel>("RaceRowsHeading");
    const std::vector<HeadingWord> words = HeadingWords(heading->text(), heading->fontMetrics());
    ASSERT_EQ(words.size(), 6U);
    const int origin = heading->mapTo(&Window(), heading->contentsRect().topLeft()).x();
    const char* boxes[] = {"Check1", "Text1", "Text2", "Text3", "Text4"};
    constexpr int kSlack = 2;  // pixels
    for (int row = 0; row < kRaceRowCount; ++row) {
        for (std::size_t column = 0; column < std::size(boxes); ++column) {
            const QString name = QStringLiteral("%1_%2").arg(boxes[column]).arg(row);
            const QWidget* box = Find<QWidget>(name);
            const int centre = box->mapTo(&Window(), QPoint(box->width() / 2, 0)).x();
            EXPECT_NEAR(centre, origin + words[column].Center(), kSlack) << name.toStdString();
        }
        const QWidget* frame = Find<QWidget>(QStringLiteral("Frame1_%1").arg(row));
        EXPECT_NEAR(frame->mapTo(&Window(), QPoint(0, 0)).x(), origin + words[5].left, kSlack);
    }
}

// The next widget Tab can reach after `widget` (the focus chain without the widgets that never
// take focus, such as the unit buttons' frame).
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    for (int hop = 0; hop < 1000 && (next->focusPolicy() & Qt::TabFocus) == 0; ++hop) {
        next = next->nextInFocusChain();
    }
    return next;
}

// A number box with characters after its number is marked with what it is read as, and the mark
// goes when the text is a clean number or empty again; nothing pops up and Calculate reads the
// box as before.
TEST_F(MainWindowTest, TypingSlipsAreMarkedWithWhatTheyAreReadAs) {
    QLineEdit* minutes = Find<QLineEdit>("Text2_1");
    const QColor plain = minutes->palette().color(QPalette::Base);
    struct Case {
        const char* box;
        const char* text;
        const char* tip;  // empty: no mark
    };
    const Case cases[] = {
        {"Text2_1", "2O", "read as 2"},
        {"Text2_1", "2", ""},
        {"Text3_1", "18.7s", "read as 18.7"},
        {"Text4_0", "4OO", "read as 4"},
        {"Text4_0", "", ""},
        {"txtage", "3S", "read as 3"},
        {"Text1_2", "abc", "read as 0"},
        {"Text1_2", " 0 ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " \"" + c.text + "\"");
        QLineEdit* box = Find<QLineEdit>(c.box);
        box->setText(c.text);
        const bool marked = *c.tip != '\0';
        EXPECT_EQ(HasReadingMark(box), marked);
        EXPECT_EQ(box->toolTip(), c.tip);
        EXPECT_EQ(box->palette().color(QPalette::Base) != plain, marked);
    }
    // The same race as with the clean number: "2O" minutes are 2 minutes.
    Find<QLineEdit>("txtage")->setText("35");
    Find<QLineEdit>("Text4_0")->setText("400");
    Find<QLineEdit>("Text2_1")->setText("2");
    Find<QAbstractButton>("Command1")->click();
    const std::vector<std::string> clean = Find<TextCanvas>("Picture1")->Buffer().Lines();
    Find<QLineEdit>("Text2_1")->setText("2O");
    Find<QAbstractButton>("Command1")->click();
    EXPECT_EQ(Find<TextCanvas>("Picture1")->Buffer().Lines(), clean);
    EXPECT_TRUE(notifier_.Messages().empty());
    // Clear empties the rows, and the marks go with their texts.
    Find<QAbstractButton>("Command7")->click();
    EXPECT_FALSE(HasReadingMark(Find<QLineEdit>("Text2_1")));
}

TEST_F(MainWindowTest, TabRunsThroughTheRowsInOrder) {
    const char* chain[] = {"Text4_0",   "Option1_0", "Option2_0", "Option3_0", "Option4_0",
                           "Option5_0", "Option6_0", "Check1_1",  "Text1_1"};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        EXPECT_EQ(NextTabStop(Find<QWidget>(chain[i - 1])), Find<QWidget>(chain[i]))
            << chain[i - 1];
    }
}

}  // namespace
}  // namespace kestrova
