#pragma once

#include <string>
#include <vector>

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace kestrova {

// A window surface laid out in twips (1440 to the inch, converted at the screen's resolution):
// text lines printed at a fixed line and character pitch in a fixed-pitch font, and child
// controls placed at twips positions. A child placed wholly outside the surface is hidden.
class TwipsPage : public QWidget {
  public:
    TwipsPage(int widthTwips, int heightTwips, QWidget* parent);

    // Clears the printed text.
    void ClearText();
    // Gives the page another size in twips.
    void SetSizeTwips(int widthTwips, int heightTwips);
    // Prints lines from `topTwips` down, one per line pitch, from the left edge.
    void PrintLines(int topTwips, const std::vector<std::string>& lines);
    // The printed lines of every block, in printing order.
    std::vector<std::string> PrintedLines() const;

    // Places a child at a position and size in twips.
    void Place(QWidget* child, int left, int top, int width, int height);
    int Pixels(int twips, Qt::Orientation direction) const;
    int WidthTwips() const { return widthTwips_; }
    int HeightTwips() const { return heightTwips_; }
    // The page's height: its own, or more when its text runs past its bottom.
    int PageHeightTwips() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Block {
        int top;
        std::vector<std::string> lines;
    };
    void Resize();

    int widthTwips_;
    int heightTwips_;
    std::vector<Block> blocks_;
};

// A secondary window whose surface is a TwipsPage of a fixed size in twips, with "Close" at its
// bottom right. When the screen cannot show it whole, or its text runs past its bottom, it
// scrolls. Escape closes it too.
class PageWindow : public QWidget {
    Q_OBJECT

  public:
    PageWindow(QWidget* owner, const char* name, const QString& title, int widthTwips,
               int heightTwips, const char* closeName);

    TwipsPage& Page() { return *page_; }
    QPushButton* CloseButton() { return close_; }
    // Fits the window to its page, within the screen, and places "Close" at the page's bottom
    // right; called after the text is printed and when the window opens.
    void FitToPage();
    // The size FitToPage gives.
    QSize sizeHint() const override { return fitSize_; }

  private:
    TwipsPage* page_;
    QScrollArea* scroll_;
    QPushButton* close_;
    QSize fitSize_;
};

// A borderless blue link box with a caption, as the help windows use.
QPushButton* NewLinkBox(QWidget* parent, const char* name, const QString& caption);

}  // namespace kestrova
