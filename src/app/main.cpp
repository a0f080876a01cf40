#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Kestrova Version 5.0");
    window.show();
    return QApplication::exec();
}
