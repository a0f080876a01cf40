#include <cmath>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/about_window.hpp"
#include "app/analysis_window.hpp"
#include "app/file_access_window.hpp"
#include "app/help_topics_window.hpp"
#include "app/help_window.hpp"
#include "app/performance_tables_window.hpp"
#include "app/references_window.hpp"
#include "main_window_fixture.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

// Twips as pixels at the window's resolution.
QPoint Pixels(const QWidget& window, int left, int top) {
    return {static_cast<int>(std::lround(left * window.logicalDpiX() / 1440.0)),
            static_cast<int>(std::lround(top * window.logicalDpiY() / 1440.0))};
}

std::vector<std::string> Written(HelpTopic topic) {
    LineBuffer lines;
    WriteHelpText(topic, lines);
    return lines.Lines();
}

class HelpWindowsTest : public MainWindowTest {
  protected:
    // The help text windows still open, once closed ones are gone.
    QList<HelpWindow*> OpenHelp() {
        test_support::DeleteClosedWindows();
        return Window().findChildren<HelpWindow*>();
    }

    HelpWindow& OnlyHelp() {
        const QList<HelpWindow*> open = OpenHelp();
        if (open.size() != 1) {
            throw std::runtime_error(std::to_string(open.size()) + " help windows open");
        }
        return *open.front();
    }

    // The help window shows the topic's text in its size, "Close" at its bottom right.
    void ExpectShows(HelpTopic topic) {
        HelpWindow& help = OnlyHelp();
        const HelpTopicInfo& info = TopicInfo(topic);
        SCOPED_TRACE(std::string(info.title));
        EXPECT_EQ(help.Topic(), topic);
        EXPECT_EQ(help.windowTitle(), "Help");
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.Page().PrintedLines(), Written(topic));
        // The window is one line higher than its topic's size: the text's top margin.
        const int height = info.helpHeight + kHelpTextTop;
        const QPoint size = Pixels(help, info.helpWidth, height);
        EXPECT_EQ(help.size(), QSize(size.x(), size.y()));
        EXPECT_EQ(help.CloseButton()->pos(), Pixels(help, info.helpWidth - 890, height - 920));
        EXPECT_EQ(help.Page().palette().color(QPalette::Window), QColor(255, 255, 192));
    }

    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
};

TEST_F(HelpWindowsTest, MainHelpReplacesAnOpenTextWithDataEntry) {
    Find<QAction>("ppinfo")->trigger();
    ExpectShows(HelpTopic::Printing);
    EXPECT_FALSE(OnlyHelp().Link()->isVisible());
    Click("Command5");
    ExpectShows(HelpTopic::DataEntry);
    EXPECT_EQ(OnlyHelp().CloseButton()->pos(), Pixels(OnlyHelp(), 8780, 5280 + kHelpTextTop));
    Click("Command8");
    ExpectShows(HelpTopic::ComparisonLevels);
    OnlyHelp().CloseButton()->click();
    EXPECT_TRUE(OpenHelp().isEmpty());
}

TEST_F(HelpWindowsTest, TheLinkShowsOnlyInEffectsOfAgeAndOpensTheLevels) {
    for (const HelpTopicInfo& info : HelpTopics()) {
        HelpWindow* help = OpenHelpTopic(Window().Context(), info.topic);
        const bool shown = info.topic == HelpTopic::AgeEffects;
        EXPECT_EQ(help->Link()->isVisible(), shown) << info.title;
        EXPECT_EQ(help->Page().rect().intersects(help->Link()->geometry()), shown) << info.title;
    }
    OpenHelpTopic(Window().Context(), HelpTopic::AgeEffects);
    HelpWindow& age = OnlyHelp();
    EXPECT_EQ(age.Link()->pos(), Pixels(age, 6320, 1750 + kHelpTextTop));
    EXPECT_EQ(age.Link()->text(), "here");
    age.Link()->click();
    ExpectShows(HelpTopic::ComparisonLevels);
}

// A replaced help text keeps its window's place, however often it is replaced; and the window
// (frame and all) stays on the screen, also when the main window stands at the screen's corner.
TEST_F(HelpWindowsTest, ReplacedTextsKeepTheirPlaceOnTheScreen) {
    Window().show();
    const QRect room = Window().screen()->availableGeometry();
    Window().move(room.topLeft());
    Click("Command5");
    const QPoint start = OnlyHelp().pos();
    for (int i = 0; i < 20; ++i) {
        const HelpTopicInfo& info = HelpTopics()[static_cast<std::size_t>(i) % kHelpTopicCount];
        SCOPED_TRACE(std::string(info.title));
        OpenHelpTopic(Window().Context(), info.topic);
        Click(i % 2 == 0 ? "Command8" : "Command5");
        QCoreApplication::processEvents();
        EXPECT_EQ(OnlyHelp().pos(), start);
    }
    OnlyHelp().close();
    Window().move(room.right() - 100, room.bottom() - 100);
    for (const HelpTopicInfo& info : HelpTopics()) {
        SCOPED_TRACE(std::string(info.title));
        OpenHelpTopic(Window().Context(), info.topic);
        QCoreApplication::processEvents();
        const QRect frame = OnlyHelp().frameGeometry();
        EXPECT_TRUE(room.contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
            << " in " << room.width() << "x" << room.height();
    }
}

// Every help text starts one line below the window's top edge: the first line's height of the
// page is bare, the second line holds text.
TEST_F(HelpWindowsTest, TextsStartOneLineBelowTheTop) {
    for (const HelpTopicInfo& info : HelpTopics()) {
        SCOPED_TRACE(std::string(info.title));
        HelpWindow* help = OpenHelpTopic(Window().Context(), info.topic);
        help->CloseButton()->hide();
        help->Link()->hide();
        const QImage page = help->Page().grab().toImage();
        const QRgb background = QColor(255, 255, 192).rgb();
        const int margin = help->Page().Pixels(kHelpTextTop, Qt::Vertical);
        const auto inked = [&page, background](int top, int bottom) {
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    if (page.pixel(x, y) != background) {
                        return true;
                    }
                }
            }
            return false;
        };
        EXPECT_FALSE(inked(0, margin - 1));
        EXPECT_TRUE(inked(margin, 2 * margin));
    }
}

TEST_F(HelpWindowsTest, EveryHelpButtonOpensItsText) {
    Click("Command1");  // Calculate, so that "Analyze" can open its window
    Click("Command3");
    Window().findChild<AnalysisWindow*>()->findChild<QPushButton*>("Command2")->click();
    ExpectShows(HelpTopic::Analysis);
    OpenPerformanceTablesWindow(Window().Context())->findChild<QPushButton*>("Command2")->click();
    ExpectShows(HelpTopic::AgeEffects);
    OpenFileAccessWindow(Window().Context())->findChild<QPushButton*>("Command6")->click();
    ExpectShows(HelpTopic::FileAccess);
    Click("Command4");  // "Special"
    Window().findChild<QWidget*>("specinfo")->findChild<QPushButton*>("Command2")->click();
    ExpectShows(HelpTopic::SpecialData);
}

TEST_F(HelpWindowsTest, TheTopicsWindowLinksEveryTopicInItsOrder) {
    Find<QAction>("proghelp")->trigger();
    Find<QAction>("proghelp")->trigger();
    ASSERT_EQ(Window().findChildren<HelpTopicsWindow*>().size(), 1);
    HelpTopicsWindow& topics = *Window().findChild<HelpTopicsWindow*>();
    EXPECT_EQ(topics.Page().PrintedLines().size(), 6);
    int previousTop = 0;
    for (const HelpTopicLink& entry : HelpTopicLinks()) {
        auto* link = topics.findChild<QPushButton*>(entry.picture);
        ASSERT_NE(link, nullptr) << entry.picture;
        EXPECT_EQ(link->text().toStdString(), TopicInfo(entry.topic).title);
        EXPECT_EQ(link->pos(), Pixels(topics, 1920, entry.top));
        EXPECT_GT(entry.top, previousTop);
        previousTop = entry.top;
        link->click();
        EXPECT_EQ(OnlyHelp().Topic(), entry.topic);
    }
}

TEST_F(HelpWindowsTest, ReferencesAndAboutShowTheirLinesOnceAndClose) {
    Find<QAction>("refs")->trigger();
    Find<QAction>("refs")->trigger();
    ASSERT_EQ(Window().findChildren<ReferencesWindow*>().size(), 1);
    ReferencesWindow& references = *Window().findChild<ReferencesWindow*>();
    EXPECT_EQ(references.Page().PrintedLines().size(), 38);

    Find<QAction>("about")->trigger();
    AboutWindow& about = *Window().findChild<AboutWindow*>();
    auto* name = about.findChild<QLabel*>("Picture1");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Kestrova Version 5.0");
    EXPECT_EQ(name->font().pointSize(), 18);
    EXPECT_EQ(about.Page().PrintedLines().back(), " Questions and feedback are welcome by e-mail.");

    for (PageWindow* window : std::vector<PageWindow*>{&references, &about}) {
        const QRect room = window->screen()->availableGeometry();
        EXPECT_LE(window->width(), room.width());
        EXPECT_LE(window->height(), room.height());
    }
    about.findChild<QPushButton*>("command1")->click();
    references.CloseButton()->click();
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(Window().findChildren<PageWindow*>().isEmpty());
}

}  // namespace
}  // namespace kestrova
