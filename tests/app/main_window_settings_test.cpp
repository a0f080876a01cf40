#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "app/file_access_window.hpp"
#include "app/termination_requests.hpp"
#include "files/settings_file.hpp"
#include "main_window_fixture.hpp"
#include "support/comma_locale.hpp"
#include "support/scratch_directory.hpp"
#include "support/settings_lines.hpp"

namespace kestrova {
namespace {

using test_support::SettingsWith;

TEST_F(MainWindowTest, ClosingWritesEveryInputAndTheNextStartRestoresThem) {
    Window();
    Find<QLineEdit>("txtname")->setText("Ann Runner");
    Find<QLineEdit>("txtage")->setText("42");
    Find<QRadioButton>("optfemale")->click();
    Find<QCheckBox>("agecomp")->click();
    Find<QScrollBar>("HScroll1")->setValue(55);
    Find<QScrollBar>("HScroll2")->setValue(995);
    Find<QScrollBar>("wtscrl")->setValue(181);
    Find<QRadioButton>("Option7")->click();
    Find<QRadioButton>("Option10")->click();
    Find<QLineEdit>("Text2_1")->setText("02");
    Find<QLineEdit>("Text1_2")->setText("2");
    Find<QLineEdit>("Text2_2")->setText("59");
    Find<QLineEdit>("Text3_2")->setText("30.5");
    Find<QLineEdit>("Text4_2")->setText("");
    Find<QRadioButton>("Option5_2")->click();
    Find<QCheckBox>("Check1_4")->click();
    for (int box = 1; box <= 4; ++box) {
        Find<QLineEdit>(QStringLiteral("Text%1_4").arg(box))->setText("");
    }
    Find<QRadioButton>("Option2_4")->click();

    MainFormInputs expected;
    SelectFemale(expected);
    expected.txtage = "42";
    expected.agecomp = 1;
    SetWeeklyVolume(expected, 55);
    SetComparisonLevel(expected, 995);
    SetWeight(expected, 181);
    SelectFitBestTwo(expected);
    SelectEnglishOutput(expected);
    expected.rows[1].Text2 = "02";
    expected.rows[2] = {1, "2", "59", "30.5", "", {}};
    expected.rows[2].SelectUnit(DistanceUnit::Marathon);
    expected.rows[4] = {0, "", "", "", "", {}};
    expected.rows[4].SelectUnit(DistanceUnit::Yards);
    MainFormInputs shown = expected;
    shown.txtname = "Ann Runner";
    ASSERT_EQ(Window().FormInputs(), shown);

    Window().close();
    EXPECT_TRUE(notifier_.Messages().empty());
    EXPECT_EQ(ReadSettings(), SettingsText(shown));

    Restart();
    // The name starts as "Joe Runner" again; numbers come back in their plain form.
    expected.rows[1].Text2 = "2";
    expected.rows[3].Text3 = "7";
    EXPECT_EQ(Window().FormInputs(), expected);
    EXPECT_DOUBLE_EQ(state_.weightKg, 82.27);
    EXPECT_EQ(state_.agecomp, 1);
}

// A form as a complete settings file brings it back: the start-up rows' "02" and "07" seconds
// are numbers and come back as "2" and "7".
MainFormInputs Restored(MainFormInputs form) {
    form.rows[2].Text3 = "2";
    form.rows[3].Text3 = "7";
    return form;
}

struct SettingsCase {
    const char* what;
    std::string file;
    MainFormInputs expected;
    bool stops = false;  // reading stops before the file's end: said once at start-up
};

MainFormInputs Female() {
    MainFormInputs form;
    SelectFemale(form);
    return form;
}

MainFormInputs Weight(int pounds) {
    MainFormInputs form;
    SetWeight(form, pounds);
    return form;
}

MainFormInputs FirstRowGreyed() {
    MainFormInputs form;
    form.rows[0].Check1 = 2;
    return form;
}

MainFormInputs AnotherWeightAndBack() {
    MainFormInputs form;
    SetWeight(form, 161);
    SetWeight(form, 160);  // "72.73"; the file keeps only the bar's 160
    return form;
}

std::vector<SettingsCase> SettingsCases() {
    MainFormInputs everything = Female();
    SetWeeklyVolume(everything, 40);
    SelectEnglishOutput(everything);
    return {
        {"no file", "", MainFormInputs{}},
        {"160 lb keeps the starting kg text", SettingsText(AnotherWeightAndBack()),
         Restored(MainFormInputs{})},
        {"161 lb shows its kg", SettingsText(Weight(161)), Restored(Weight(161))},
        {"line 3 out of range", SettingsWith(everything, {{3, " 200 "}}), Female(), true},
        {"greyed use box", SettingsText(FirstRowGreyed()), Restored(FirstRowGreyed())},
    };
}

TEST_F(MainWindowTest, StartUpAppliesTheSettingsFileAsFarAsItGoes) {
    for (const SettingsCase& c : SettingsCases()) {
        std::filesystem::remove(SettingsPath());
        if (!c.file.empty()) {
            WriteSettings(c.file);
        }
        Restart();
        EXPECT_EQ(Window().FormInputs(), c.expected) << c.what;
        EXPECT_EQ(Find<QLineEdit>("txkg")->text().toStdString(), c.expected.txkg) << c.what;
        EXPECT_DOUBLE_EQ(state_.weightKg, WeightKgShown(c.expected)) << c.what;
        EXPECT_EQ(notifier_.Messages().size(), c.stops ? 1U : 0U) << c.what;
        notifier_.Clear();
    }
}

TEST_F(MainWindowTest, APartlyReadFileIsSaidOnceAndKeptBeforeItIsWrittenOver) {
    MainFormInputs everything = Female();
    SetWeeklyVolume(everything, 40);
    const std::string damaged = SettingsWith(everything, {{3, " 200 "}});
    WriteSettings(damaged);
    Window().close();
    const std::string kept = SettingsPath() + ".unreadable";
    ASSERT_EQ(notifier_.Messages().size(), 1U);
    EXPECT_EQ(notifier_.Messages()[0].text,
              "The settings file " + SettingsPath() +
                  " could not be read from line 3 on (line 3: \"200\" is not a whole number from 0 "
                  "to 150). The inputs of line 3 and after start at their usual values.\nThe file "
                  "as it was is kept as " +
                  kept + ".");
    EXPECT_EQ(test_support::FileBytes(kept), damaged);
    EXPECT_EQ(ReadSettings(), SettingsText(Window().FormInputs()));

    // The next such start keeps its file under a new name, the earlier copy stays.
    WriteSettings(damaged + "more");
    Restart();
    EXPECT_EQ(test_support::FileBytes(kept + ".2"), damaged + "more");
    EXPECT_EQ(test_support::FileBytes(kept), damaged);
}

TEST_F(MainWindowTest, APipeInPlaceOfTheFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(SettingsPath().c_str(), 0600), 0);
    EXPECT_EQ(Window().FormInputs(), MainFormInputs{});
    ASSERT_EQ(notifier_.Messages().size(), 1U);
    EXPECT_EQ(notifier_.Messages()[0].text, "The settings file " + SettingsPath() +
                                                " cannot be read (it is not a regular file). The "
                                                "inputs start at their usual values.");
}

TEST_F(MainWindowTest, ControlCharactersInTheNameBecomeBlanks) {
    Find<QLineEdit>("txtname")->setText(QStringLiteral("Ann\tRunner\x1b"));
    EXPECT_EQ(Window().FormInputs().txtname, "Ann Runner ");
}

TEST_F(MainWindowTest, DecimalsKeepTheirPointUnderACommaLocale) {
    const std::string file = SettingsText(Restored(MainFormInputs{}));
    WriteSettings(file);
    const test_support::CommaLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << "no de_DE locale on this machine";
    }
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Find<QLineEdit>("Text3_0")->text(), QStringLiteral("58.3"));
    EXPECT_DOUBLE_EQ(state_.weightKg, 72.7);
    Find<QLineEdit>("Text3_0")->setText(QStringLiteral("58.25"));
    Window().close();
    QLocale::setDefault(previous);
    MainFormInputs expected = Restored(MainFormInputs{});
    expected.rows[0].Text3 = "58.25";
    EXPECT_EQ(ReadSettings(), SettingsText(expected));
}

TEST_F(MainWindowTest, GreyedUseBoxBecomesTwoStateWhenClicked) {
    WriteSettings(SettingsText(FirstRowGreyed()));
    auto* box = Find<QCheckBox>("Check1_0");
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    box->click();
    box->click();
    box->click();
    EXPECT_FALSE(box->isTristate());
    EXPECT_NE(box->checkState(), Qt::PartiallyChecked);
}

// The ways the main window closes: its buttons and menu, its frame, and the system asking the
// program to end (logout, `kill`), which ends it as "Exit" does.
enum class ClosePath { CloseButton, ExitItem, WindowFrame, TerminationSignal };

void PrintTo(ClosePath path, std::ostream* out) {
    *out << (path == ClosePath::CloseButton   ? "Close"
             : path == ClosePath::ExitItem    ? "Exit"
             : path == ClosePath::WindowFrame ? "frame"
                                              : "SIGTERM");
}

class ClosePathTest : public MainWindowTest, public ::testing::WithParamInterface<ClosePath> {
  protected:
    void CloseTheWindow() {
        switch (GetParam()) {
            case ClosePath::CloseButton:
                Find<QAbstractButton>("Command6")->click();
                break;
            case ClosePath::ExitItem:
                Find<QAction>("exit")->trigger();
                break;
            case ClosePath::WindowFrame:
                Window().close();
                break;
            case ClosePath::TerminationSignal: {
                const TerminationRequests requests([this] { Window().EndProgram(); });
                std::raise(SIGTERM);
                EXPECT_TRUE(QTest::qWaitFor([this] { return programEnds_ > 0; }, 5000));
                // A second signal would end the program at once, as it did before.
                struct sigaction now = {};
                sigaction(SIGTERM, nullptr, &now);
                EXPECT_EQ(now.sa_handler, SIG_DFL);
                break;
            }
        }
    }
    int ExpectedProgramEnds() const { return GetParam() == ClosePath::WindowFrame ? 0 : 1; }
};

TEST_P(ClosePathTest, WritesTheSettingsFile) {
    Window().show();
    Find<QScrollBar>("HScroll1")->setValue(33);
    CloseTheWindow();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_TRUE(notifier_.Messages().empty());
    EXPECT_EQ(ReadSettings(), SettingsText(Window().FormInputs()));
    EXPECT_EQ(programEnds_, ExpectedProgramEnds());
}

TEST_P(ClosePathTest, SaysOnceWhenTheFileCannotBeWritten) {
    // A directory in the settings file's place makes every write fail.
    ASSERT_TRUE(QDir(QString::fromStdString(directory_.path().toStdString()))
                    .mkdir(QStringLiteral("kestini.txt")));
    Window().show();
    notifier_.Clear();  // the start-up's word that the directory cannot be read
    CloseTheWindow();
    Window().close();  // a further close of the closed window writes nothing
    ASSERT_EQ(notifier_.Messages().size(), 1U);
    const std::string path = std::filesystem::absolute(SettingsPath()).string();
    EXPECT_NE(notifier_.Messages()[0].text.find(path), std::string::npos)
        << notifier_.Messages()[0].text;
    EXPECT_TRUE(std::filesystem::is_directory(SettingsPath()));
    EXPECT_EQ(programEnds_, ExpectedProgramEnds());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosePathTest,
                         ::testing::Values(ClosePath::CloseButton, ClosePath::ExitItem,
                                           ClosePath::WindowFrame, ClosePath::TerminationSignal),
                         [](const ::testing::TestParamInfo<ClosePath>& info) {
                             switch (info.param) {
                                 case ClosePath::CloseButton:
                                     return "CloseButton";
                                 case ClosePath::ExitItem:
                                     return "ExitItem";
                                 case ClosePath::TerminationSignal:
                                     return "TerminationSignal";
                                 case ClosePath::WindowFrame:
                                     break;
                             }
                             return "WindowFrame";
                         });

TEST_F(MainWindowTest, SettingsGoWhereTheyWereReadAtStartUp) {
    Window();
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    Window().close();
    EXPECT_TRUE(std::filesystem::exists(SettingsPath()));
    EXPECT_FALSE(std::filesystem::exists(other.filePath("kestini.txt").toStdString()));
}

TEST_F(MainWindowTest, BrowsingForARaceFileLeavesTheSettingsFileWhereItWasRead) {
    Find<QAction>("datafiles")->trigger();
    const auto windows = Window().findChildren<FileAccessWindow*>();
    ASSERT_EQ(windows.size(), 1);
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    dialogs_.openAnswer = other.filePath("runs.kst");
    windows.front()->findChild<QAbstractButton*>("browse")->click();
    Window().close();
    EXPECT_TRUE(std::filesystem::exists(SettingsPath()));
    EXPECT_FALSE(std::filesystem::exists(other.filePath("kestini.txt").toStdString()));
}

}  // namespace
}  // namespace kestrova
