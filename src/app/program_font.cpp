#include "app/program_font.hpp"

#include <QApplication>
#include <QStringList>

namespace kestrova {
namespace {

constexpr double kProgramFontPoints = 9.0;

}  // namespace

QFont ProgramFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kProgramFontPoints);
    return font;
}

void UseProgramFont() {
    QApplication::setFont(ProgramFont());
}

}  // namespace kestrova
