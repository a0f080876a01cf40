#pragma once

#include <QScrollBar>

namespace kestrova {

// The main window's horizontal scroll bars. Qt's scroll bars take the Left and Right keys the
// wrong way round for a value bar (they scroll a view); here every key moves the value the way
// its arrow points: Right and Page Down like the right arrow (up by 1 and by the page step),
// Left and Page Up like the left arrow, Home and End to the ends. Up and Down act as on the
// desktop's own horizontal scroll bars: Up lowers the value, Down raises it. A bar with the
// keyboard focus is framed in the highlight colour, so tabbing onto it shows where the focus is.
class FormScrollBar : public QScrollBar {
  public:
    explicit FormScrollBar(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrova
