#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "app/text_canvas.hpp"
#include "main_window_fixture.hpp"
#include "model/calculate.hpp"

namespace kestrova {
namespace {

class MainWindowRunTest : public MainWindowTest {
  protected:
    TextCanvas& Canvas() { return dynamic_cast<TextCanvas&>(*Find<QWidget>("Picture1")); }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void SetText(const QString& name, const QString& text) { Find<QLineEdit>(name)->setText(text); }
    void UseRow(int row, bool used) {
        Find<QCheckBox>(QStringLiteral("Check1_%1").arg(row))->setChecked(used);
    }
    bool Enabled(const char* name) { return Find<QAbstractButton>(name)->isEnabled(); }
    bool ItemEnabled(const char* name) { return Find<QAction>(name)->isEnabled(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& message : notifier_.Messages()) {
            texts.push_back(message.text);
        }
        return texts;
    }
};

TEST_F(MainWindowRunTest, CalculatePrintsTheModelsTableOnTheCanvas) {
    Click("Command1");
    EXPECT_TRUE(notifier_.Messages().empty());
    EXPECT_EQ(state_.calculated, 1);

    ModelState direct;
    ApplyStartUpValues(direct);
    MainFormInputs form;
    LineBuffer expected;
    RecordingNotifier ignored;
    Calculate(direct, form, expected, ignored);
    EXPECT_EQ(Canvas().Buffer().Lines(), expected.Lines());
    EXPECT_DOUBLE_EQ(state_.aerobicPower, direct.aerobicPower);
    EXPECT_EQ(Canvas().toPlainText().toStdString() + "\n", expected.Text());
}

TEST_F(MainWindowRunTest, RunEnablesGraphAnalyzeSpecialAndTheReportItemsForGood) {
    SetText("Text3_0", "");  // row 1 has no time: the first run stops before the fit
    Click("Command1");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Bad time entry in row # 1"});
    EXPECT_FALSE(Enabled("Command2"));
    EXPECT_FALSE(Enabled("Command3"));
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_FALSE(ItemEnabled("pfull"));
    EXPECT_FALSE(ItemEnabled("tfile"));

    SetText("Text3_0", "58.3");
    Click("Command1");
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
        EXPECT_TRUE(Enabled(name)) << name;
    }
    EXPECT_TRUE(ItemEnabled("pfull"));
    EXPECT_TRUE(ItemEnabled("tfile"));

    Click("Command7");
    SetText("Text3_0", "x");
    UseRow(0, true);
    Click("Command1");  // stops on row 1 again
    EXPECT_TRUE(Enabled("Command2"));
    EXPECT_TRUE(Enabled("Command3"));
    EXPECT_TRUE(Enabled("Command4"));
    EXPECT_TRUE(ItemEnabled("pfull"));
    EXPECT_TRUE(ItemEnabled("tfile"));
    EXPECT_TRUE(Window().FormInputs().analysisButtonsEnabled);
}

TEST_F(MainWindowRunTest, StoppedRunLeavesThePreviousModelInPlace) {
    Click("Command1");
    const ModelState before = state_;
    notifier_.Clear();
    state_.calculated = 0;
    SetText("Text4_3", "");  // 5 km row loses its number
    Click("Command1");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Bad distance entry in row # 4"});
    EXPECT_TRUE(Canvas().Buffer().Lines().empty());
    EXPECT_TRUE(Canvas().toPlainText().isEmpty());
    EXPECT_DOUBLE_EQ(state_.aerobicPower, before.aerobicPower);
    EXPECT_EQ(state_.calculated, 1);
}

TEST_F(MainWindowRunTest, SingleRaceDisablesFitBestTwoUntilMoreRacesAreUsed) {
    Find<QRadioButton>("Option7")->click();
    for (int row = 1; row < kRaceRowCount; ++row) {
        UseRow(row, false);
    }
    Click("Command1");
    EXPECT_FALSE(Find<QRadioButton>("Option7")->isEnabled());
    EXPECT_FALSE(Find<QRadioButton>("Option7")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Option8")->isChecked());
    EXPECT_FALSE(Canvas().Buffer().Lines().empty());

    UseRow(3, true);
    Click("Command1");
    EXPECT_TRUE(Find<QRadioButton>("Option7")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>("Option8")->isChecked());
}

TEST_F(MainWindowRunTest, ClearEmptiesTheRowsAndTheCanvasOnly) {
    Click("Command1");
    const ModelState before = state_;
    SetText("txtname", "Ann");
    Find<QRadioButton>("Option1_2")->click();
    Click("Command7");
    MainFormInputs expected;
    expected.txtname = "Ann";
    ClearRaceRows(expected);
    expected.analysisButtonsEnabled = true;
    expected.reportItemsEnabled = true;
    EXPECT_EQ(Window().FormInputs(), expected);
    EXPECT_TRUE(Canvas().Buffer().Lines().empty());
    EXPECT_DOUBLE_EQ(state_.aerobicPower, before.aerobicPower);
    EXPECT_EQ(state_.raceCount, before.raceCount);
}

TEST_F(MainWindowRunTest, EnterInARaceBoxRunsCalculate) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Find<QLineEdit>("Text3_2"), &enter);
    EXPECT_EQ(state_.calculated, 1);
    EXPECT_FALSE(Canvas().Buffer().Lines().empty());
}

TEST_F(MainWindowRunTest, RunMessagesReachTheNotifierWithTheirCaptions) {
    for (int row = 2; row < kRaceRowCount; ++row) {
        UseRow(row, false);
    }
    Click("Command1");  // 400 m and 800 m only
    ASSERT_EQ(notifier_.Messages().size(), 1U);
    EXPECT_EQ(notifier_.Messages()[0].caption, "Questionable extrapolation");
    EXPECT_EQ(notifier_.Messages()[0].text,
              "LONGEST RACE UNDER 1 KM - EXTRAPOLATION TO LONGER DISTANCES UNCERTAIN.");
}

}  // namespace
}  // namespace kestrova
