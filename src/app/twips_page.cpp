#include "app/twips_page.hpp"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "app/open_or_raise.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "help/help_texts.hpp"

namespace kestrova {
namespace {

constexpr double kTwipsPerInch = 1440.0;

// The fixed-pitch font of the pages, regular weight, with exactly the character pitch.
QFont PageFont(const QWidget& page) {
    QFont font = TextCanvas::TableFont();
    font.setBold(false);
    const double pitch = kHelpCharacterPitch * page.logicalDpiX() / kTwipsPerInch;
    // Courier New's characters are 0.6 of the font's size wide.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pitch / 0.6))));
    const double natural = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, pitch - natural);
    return font;
}

}  // namespace

TwipsPage::TwipsPage(int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent), widthTwips_(widthTwips), heightTwips_(heightTwips) {
    setFont(PageFont(*this));
    Resize();
}

int TwipsPage::Pixels(int twips, Qt::Orientation direction) const {
    const int dpi = direction == Qt::Horizontal ? logicalDpiX() : logicalDpiY();
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int TwipsPage::PageHeightTwips() const {
    int height = heightTwips_;
    for (const Block& block : blocks_) {
        const int bottom = block.top + static_cast<int>(block.lines.size()) * kHelpLinePitch;
        if (bottom > heightTwips_) {
            height = std::max(height, bottom + kHelpLinePitch);
        }
    }
    return height;
}

void TwipsPage::Resize() {
    setFixedSize(Pixels(widthTwips_, Qt::Horizontal), Pixels(PageHeightTwips(), Qt::Vertical));
}

void TwipsPage::ClearText() {
    blocks_.clear();
    Resize();
    update();
}

void TwipsPage::SetSizeTwips(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    Resize();
    update();
}

void TwipsPage::PrintLines(int topTwips, const std::vector<std::string>& lines) {
    blocks_.push_back({topTwips, lines});
    Resize();
    update();
}

std::vector<std::string> TwipsPage::PrintedLines() const {
    std::vector<std::string> lines;
    for (const Block& block : blocks_) {
        lines.insert(lines.end(), block.lines.begin(), block.lines.end());
    }
    return lines;
}

void TwipsPage::Place(QWidget* child, int left, int top, int width, int height) {
    const QRect area(Pixels(left, Qt::Horizontal), Pixels(top, Qt::Vertical),
                     Pixels(width, Qt::Horizontal), Pixels(height, Qt::Vertical));
    child->setGeometry(area);
    child->setVisible(rect().intersects(area));
}

void TwipsPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const double ascent = QFontMetricsF(font()).ascent();
    const double pixelsPerTwip = logicalDpiY() / kTwipsPerInch;
    for (const Block& block : blocks_) {
        for (std::size_t row = 0; row < block.lines.size(); ++row) {
            const double top = (block.top + static_cast<double>(row) * kHelpLinePitch);
            painter.drawText(QPointF(0.0, top * pixelsPerTwip + ascent),
                             QString::fromStdString(block.lines[row]));
        }
    }
}

PageWindow::PageWindow(QWidget* owner, const char* name, const QString& title, int widthTwips,
                       int heightTwips, const char* closeName)
    : QWidget(owner, Qt::Window),
      page_(new TwipsPage(widthTwips, heightTwips, nullptr)),
      scroll_(new QScrollArea(this)),
      close_(NewButton(page_, QLatin1String(closeName), QStringLiteral("Close"))) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    page_->setObjectName(QStringLiteral("page"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    FitToPage();
}

void PageWindow::FitToPage() {
    const int width = page_->WidthTwips();
    const int height = page_->PageHeightTwips();
    page_->Place(close_, width - kHelpCloseFromRight, height - kHelpCloseFromBottom,
                 kHelpCloseWidth, kHelpCloseHeight);
    // The window has the page's own size; a page grown by its text scrolls beside a scroll bar.
    QSize size(page_->Pixels(width, Qt::Horizontal),
               page_->Pixels(page_->HeightTwips(), Qt::Vertical));
    if (height > page_->HeightTwips()) {
        size.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    }
    if (const QScreen* display = screen()) {
        // Leave room for the window frame's title bar, which the window does not draw.
        const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        size = size.boundedTo(display->availableGeometry().adjusted(0, titleBar, 0, 0).size());
    }
    // Scroll bars only where the page does not fit (they would otherwise stay once shown).
    const bool fits = page_->width() <= size.width() && page_->height() <= size.height();
    const Qt::ScrollBarPolicy bars = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    scroll_->setHorizontalScrollBarPolicy(bars);
    scroll_->setVerticalScrollBarPolicy(bars);
    fitSize_ = size;
    resize(size);
    KeepOnScreen(*this);
    layout()->activate();
}

QPushButton* NewLinkBox(QWidget* parent, const char* name, const QString& caption) {
    QPushButton* link = NewButton(parent, QLatin1String(name), caption);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    QFont font = parent->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setStyleSheet(QStringLiteral(
        "QPushButton { color: blue; border: none; background: transparent; padding: 0px;"
        " text-align: left; } QPushButton:focus { border: 1px dotted blue; }"));
    return link;
}

}  // namespace kestrova
