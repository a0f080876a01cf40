#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "analyses/any_distance.hpp"
#include "app/any_distance_window.hpp"
#include "app/text_canvas.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class AnyDistanceWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        context_.DropOwner();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    AnyDistanceWindow* Open() { return OpenAnyDistanceWindow(context_.Context(), memory_); }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
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

    test_support::TestWindowContext context_;
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

    SetText("Text3", "-0.3");
    EXPECT_EQ(Text("Text2"), "-0.3145");
    SetText("Text3", "1.5");
    EXPECT_EQ(Text("Text2"), "");
}

// The pace unit switch and its note come with the two tables only; Text5 is written only by the
// constant slope.
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
    EXPECT_EQ(Text("Text5"), hill);
    EXPECT_TRUE(context_.Notifier().Messages().empty());
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

}  // namespace
}  // namespace kestrova
