#include <QApplication>
#include <QLabel>

// The bare window of bare_window.cpp showing one line of text: what text alone costs at start-up
// (fontconfig, a font loaded and laid out), beside which kestrova's start-up can be judged.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Kestrova"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
