#include <QApplication>
#include <QWidget>

// A bare Qt Widgets window of the main window's size: the start-up kestrova's is compared with.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
