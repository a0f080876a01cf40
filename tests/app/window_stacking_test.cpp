#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.hpp"

namespace kestrova {
namespace {

// The program's windows opened as a user opens them: from the main window's buttons and menus.
class WindowStackingTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
        Click(Window(), "Command1");
    }
    static void Click(QWidget& window, const char* name) {
        window.findChild<QAbstractButton*>(name)->click();
    }
    // (qWaitForWindowActive counts a window active while its owner is.)
    static bool Active(QWidget* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    QWidget* Open(const char* opener, const char* name) {
        if (auto* item = Window().findChild<QAction*>(opener)) {
            item->trigger();
        } else {
            Click(Window(), opener);
        }
        auto* window = Window().findChild<QWidget*>(name);
        if (window == nullptr || !Active(window)) {
            ADD_FAILURE() << name << " is not open and active";
            return nullptr;
        }
        return window;
    }
};

// Each secondary window is one the window manager keeps above the main window, and its message
// goes over it; once answered, that window is active again with the focus where it was, even
// when the main window came to the front meanwhile.
TEST_F(WindowStackingTest, MessagesBelongToTheWindowThatRaisedThem) {
    struct Case {
        const char* opener;
        const char* window;
        const char* box;
        const char* typed;
        const char* button;
    };
    for (const Case& c : {Case{"Command4", "specinfo", "Text1", "abc", "Command1"},
                          Case{"performance", "pertabspec", "Text1", "0", "Command1"},
                          Case{"datafiles", "fileacc", "Text6", "missing.kst", "Command4"}}) {
        SCOPED_TRACE(c.window);
        QWidget* window = Open(c.opener, c.window);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowType(), Qt::Dialog);
        EXPECT_EQ(window->parentWidget(), &Window());
        auto* box = window->findChild<QLineEdit*>(c.box);
        box->setText(c.typed);
        box->setFocus();
        notifier_.Clear();
        notifier_.windows.clear();
        notifier_.whileShown = [this] {
            Window().activateWindow();
            EXPECT_TRUE(Active(&Window()));
        };
        Click(*window, c.button);
        notifier_.whileShown = nullptr;
        EXPECT_EQ(notifier_.windows, std::vector<QString>{c.window});
        EXPECT_EQ(notifier_.Messages().size(), 1u);
        EXPECT_TRUE(Active(window));
        EXPECT_EQ(QApplication::focusWidget(), box);
        window->close();
    }
}

// A minimised window comes back when its button or menu item is used again, as it was.
TEST_F(WindowStackingTest, OpeningAMinimisedWindowBringsItBack) {
    for (const auto& [opener, name] :
         {std::pair{"Command3", "anaform"}, std::pair{"hillpaces", "eqpace"},
          std::pair{"tread", "tmill"}}) {
        SCOPED_TRACE(name);
        QWidget* window = Open(opener, name);
        ASSERT_NE(window, nullptr);
        window->showMinimized();
        ASSERT_TRUE(window->isMinimized());
        EXPECT_EQ(Open(opener, name), window);
        EXPECT_FALSE(window->isMinimized());
        window->close();
    }
}

}  // namespace
}  // namespace kestrova
