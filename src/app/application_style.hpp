#pragma once

#include <QProxyStyle>

namespace kestrova {

// The desktop's own style, unchanged to the eye, except that the icons of the menu bar's and the
// tool bars' extension buttons (the arrow shown when the bar is too narrow for its entries) are
// made only when such a button is first painted or sized. Making them at once reads image files,
// which loads every image format plugin, before the main window can first be painted, for a
// button that is rarely shown.
class ApplicationStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

// Makes ApplicationStyle the style of every window of the program; called once, right after the
// application object is made.
void UseApplicationStyle();

}  // namespace kestrova
