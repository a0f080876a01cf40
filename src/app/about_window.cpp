#include "app/about_window.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include <QLabel>

#include "app/open_or_raise.hpp"
#include "app/widget_builder.hpp"
#include "help/help_texts.hpp"

namespace kestrova {
namespace {

constexpr int kNamePointSize = 18;

}  // namespace

AboutWindow::AboutWindow(QWidget* owner)
    : PageWindow(owner, "frmabout", QStringLiteral("About Kestrova"), kAboutWidth, kAboutHeight,
                 "command1"),
      name_(NewLabel(&Page(), QStringLiteral("Picture1"), {})) {
    QFont large = font();
    large.setPointSize(kNamePointSize);
    name_->setFont(large);
    name_->setAlignment(Qt::AlignCenter);
    Page().Place(name_, kAboutNameLeft, kAboutNameTop, kAboutNameWidth, kAboutNameHeight);
    ShowAbout();
}

void AboutWindow::ShowAbout() {
    LineBuffer text;
    WriteAboutText(text);
    std::vector<std::string> lines = text.Lines();
    if (lines.empty()) {
        return;
    }
    name_->setText(QString::fromStdString(lines.front()));
    lines.erase(lines.begin());
    // The lines after the last empty line are the last block, lower down.
    const auto lastEmpty = std::find(lines.rbegin(), lines.rend(), std::string()).base();
    const auto firstOfLast = lastEmpty == lines.begin() ? lines.end() : lastEmpty;
    Page().ClearText();
    Page().PrintLines(kAboutFirstBlockTop, {lines.begin(), firstOfLast});
    Page().PrintLines(kAboutLastBlockTop, {firstOfLast, lines.end()});
    FitToPage();
}

AboutWindow* OpenAboutWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    AboutWindow* window =
        OpenOrRaise<AboutWindow>(owner, [owner] { return new AboutWindow(owner); });
    window->ShowAbout();
    return window;
}

}  // namespace kestrova
