#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include "app/application_style.hpp"
#include "app/message_box_notifier.hpp"
#include "app/open_or_raise.hpp"

namespace kestrova {
namespace {

// A short message must not cut its caption down to "Ke...va".
TEST(MessageBox, IsWideEnoughForItsWholeCaption) {
    for (const Message& message :
         {Message{"No rows checked!", "", false},
          Message{"x", "Questionable extrapolation beyond the races", false}}) {
        const auto box = MakeMessageBox(message, nullptr);
        const int caption =
            QFontMetrics(QApplication::font()).horizontalAdvance(box->windowTitle());
        EXPECT_GE(box->sizeHint().width(), caption + 100) << message.text;
    }
}

// A new window opens over its owner, a little down and to the right, never past the screen's
// free area.
TEST(OpenOrRaise, PlacesANewWindowBesideItsOwnerOnItsScreen) {
    QWidget owner;
    const QRect free = owner.screen()->availableGeometry();
    owner.setGeometry(free.left() + 50, free.top() + 60, 300, 200);
    owner.show();
    QWidget* window = OpenOrRaise<QWidget>(&owner, [&owner] {
        auto* made = new QWidget(&owner, Qt::Window);
        made->resize(200, 100);
        return made;
    });
    EXPECT_EQ(window->pos(), owner.frameGeometry().topLeft() + QPoint(40, 40));
    EXPECT_EQ(OpenOrRaise<QWidget>(&owner, [] { return static_cast<QWidget*>(nullptr); }), window);
    // A second window, while the first is open, does not hide it: it cascades.
    auto* second = new QWidget(&owner, Qt::Window);
    second->resize(200, 100);
    second->show();
    PlaceBesideOwner(second, &owner);
    EXPECT_EQ(second->pos(), owner.frameGeometry().topLeft() + QPoint(80, 80));

    QWidget corner;
    corner.setGeometry(free.right() - 20, free.bottom() - 20, 10, 10);
    corner.show();
    QWidget* clamped = OpenOrRaise<QWidget>(&corner, [&corner] {
        auto* made = new QWidget(&corner, Qt::Window);
        made->resize(200, 100);
        return made;
    });
    EXPECT_TRUE(free.contains(clamped->frameGeometry()));
}

// The extension buttons' icons, made only when first painted, are the desktop style's own.
TEST(ApplicationStyle, GivesTheExtensionButtonsTheBaseStylesIcons) {
    const ApplicationStyle style;
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QImage own = style.baseStyle()->standardIcon(which).pixmap(16).toImage();
        ASSERT_FALSE(own.isNull());
        EXPECT_EQ(style.standardIcon(which, nullptr, nullptr).pixmap(16).toImage(), own);
    }
}

}  // namespace
}  // namespace kestrova
