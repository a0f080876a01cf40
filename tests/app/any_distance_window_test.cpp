#include <gtest/gtest.h>

#include <utility>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "analyses/any_distance.hpp"
#include "app/any_distance_window.hpp"
#include "app/slip_marks.hpp"
#include "app/text_canvas.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class AnyDistanceWindowTest : public test_support::WindowTest {
  protected:
    AnyDistanceWindow* Open() { return OpenAnyDistanceWindow(context_.Context(), memory_); }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // The text of a box: a text box, or one of the result lines Text4 and Text5.
    QString Text(const char* box) {
        const QString name = QLatin1String(box);
        if (name == "Text4" || name == "Text5") {
            return Find<QLabel>(box)->text();
        }
        return Find<QLineEdit>(box)->text();
    }
    void SetText(const char* box, const char* text) { Find<QLineEdit>(box)->setText(text); }
    void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
    bool Enabled(const char* button) { return Find<QPushButton>(button)->isEnabled(); }
    bool NoteShown() { return !Find<QLabel>("Label8")->isHidden(); }

    // The table the window's inputs give on the same runner.
    std::vector<std::string> ExpectedTable() {
        ModelState state = context_.State();
        SpecialFormMemory memory;
        LineBuffer canvas;
        RecordingNotifier ignored;
        CalculateSpecial(state, window_->Inputs(), 1.0, memory, canvas, ignored);
        return canvas.Lines();
    }

    SpecialFormMemory memory_;
    AnyDistanceWindow* window_ = nullptr;
};

TEST_F(AnyDistanceWindowTest, StartsWithItsStartingContents) {
    window_ = Open();
    EXPECT_EQ(window_->Inputs(), SpecialFormInputs{});
    EXPECT_EQ(Text("Text1"), "5");
    EXPECT_TRUE(Find<QRadioButton>("optkm")->isChecked());
    EXPECT_EQ(Text("Text3"), "0.05");
    EXPECT_EQ(Text("Text2"), "0.0501");
    EXPECT_EQ(Text("Text4"), "");
    EXPECT_EQ(Find<QPushButton>("Command4")->text(), "Switch to minutes/kilometer");
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_TRUE(Enabled("Command2"));
    EXPECT_FALSE(NoteShown());
    EXPECT_EQ(Find<QLabel>("Label8")->text(), "Paces in minutes per mile");

    SetText("Text3", "abc");  // a slip is marked, and read as it always was
    EXPECT_TRUE(HasReadingMark(Find<QLineEdit>("Text3")));
    EXPECT_EQ(Find<QLineEdit>("Text3")->toolTip(), "read as 0");
    EXPECT_EQ(Text("Text2"), "0.0000");
}

// The pace unit switch and its note come with the two tables only; Text5 shows the constant
// slope's line and is cleared by every other analysis.
TEST_F(AnyDistanceWindowTest, AnalysesTablesAndThePaceUnit) {
    window_ = Open();
    SetText("Text1", "10");
    Click("Option1");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Find<QLineEdit>("Text1"), &enter);
    EXPECT_TRUE(Enabled("Command4"));
    EXPECT_TRUE(NoteShown());
    EXPECT_FALSE(Text("Text4").isEmpty());
    EXPECT_EQ(window_->Canvas().Buffer().Lines(), ExpectedTable());

    Click("Command4");
    EXPECT_EQ(Find<QPushButton>("Command4")->text(), "Switch to minutes/mile");
    EXPECT_EQ(Find<QLabel>("Label8")->text(), "Paces in minutes per kilometer");
    EXPECT_EQ(window_->Inputs().paceUnit, PaceUnit::Kilometer);
    EXPECT_EQ(window_->Canvas().Buffer().Lines(), ExpectedTable());

    Click("Option2");
    Click("Command1");
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_FALSE(NoteShown());
    EXPECT_TRUE(window_->Canvas().Buffer().Lines().empty());
    const QString hill = Text("Text5");
    EXPECT_FALSE(hill.isEmpty());
    Click("Option5");
    SetText("Text1", "5");
    Click("Command1");
    EXPECT_EQ(Text("Text5"), "");
    Click("Option2");
    SetText("Text1", "10");
    Click("Command1");
    EXPECT_EQ(Text("Text5"), hill);
    Click("Option1");
    Click("Command1");
    EXPECT_EQ(Text("Text5"), "");
    EXPECT_TRUE(context_.Notifier().Messages().empty());
}

// Each result line has a caption and a column heading in the line's own fixed-pitch font, whose
// text starts at the same x as the line's, so that each word stands over its figure.
TEST_F(AnyDistanceWindowTest, HeadingsLineUpWithTheResultLines) {
    window_ = Open();
    window_->show();
    Click("Option2");
    Click("Command1");
    EXPECT_EQ(Find<QLabel>("Label9")->text(), "Predicted time on the slope:");
    const std::pair<const char*, const char*> pairs[] = {{"Label5", "Text4"}, {"Label10", "Text5"}};
    for (const auto& [headingName, lineName] : pairs) {
        SCOPED_TRACE(headingName);
        const QLabel* heading = Find<QLabel>(headingName);
        const QLabel* line = Find<QLabel>(lineName);
        EXPECT_FALSE(line->text().isEmpty());
        EXPECT_EQ(heading->font(), line->font());
        EXPECT_TRUE(QFontInfo(line->font()).fixedPitch());
        EXPECT_EQ(heading->indent(), line->indent());
        const auto textLeft = [this](const QLabel* label) {
            return label->mapTo(window_, label->contentsRect().topLeft()).x() + label->margin();
        };
        EXPECT_EQ(textLeft(heading), textLeft(line));
        // The whole line fits its box.
        EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()),
                  line->contentsRect().width());
    }
    EXPECT_EQ(Find<QLabel>("Label5")->text().toStdString(), SpecialHeadingText(SpecialLine::Level));
    EXPECT_EQ(Find<QLabel>("Label10")->text().toStdString(), SpecialHeadingText(SpecialLine::Hill));
}

TEST_F(AnyDistanceWindowTest, ReopeningRestoresTheLastInputsAndComputesNothing) {
    window_ = Open();
    SetText("Text1", "1760");
    Click("optyd");
    Click("Option3");
    SetText("Text3", "-0.04");
    Click("Command1");
    const SpecialFormInputs used = window_->Inputs();
    window_->close();
    test_support::DeleteClosedWindows();

    context_.State().curDist = 123;
    window_ = Open();
    EXPECT_EQ(window_->Inputs(), used);
    EXPECT_EQ(Text("Text2"), "-0.0400");
    EXPECT_EQ(Text("Text4"), "");
    EXPECT_TRUE(window_->Canvas().Buffer().Lines().empty());
    EXPECT_EQ(context_.State().curDist, 123);
}

// "Print" asks for a printer with the buttons disabled; they come back as they were.
TEST_F(AnyDistanceWindowTest, PrintAsksForAPrinterAndTheWindowFitsTheScreen) {
    window_ = Open();
    bool buttonsDisabled = false;
    context_.Dialogs().whilePrinterAsked = [&](QWidget*) {
        buttonsDisabled = !Enabled("Command1") && !Enabled("Command5") && !Enabled("Command3");
    };
    Click("Command5");
    EXPECT_EQ(context_.Dialogs().printerAsks, 1);
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_TRUE(Enabled("Command1"));
    EXPECT_TRUE(Enabled("Command5"));
    EXPECT_TRUE(Enabled("Command2"));
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_FALSE(Text("Text4").isEmpty());
    EXPECT_LE(window_->sizeHint().width(), 1366);
    EXPECT_LE(window_->sizeHint().height(), 700);

    QPointer<QWidget> open = window_;
    Click("Command3");
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(open.isNull());
}

}  // namespace
}  // namespace kestrova
