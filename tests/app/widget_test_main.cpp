#include <gtest/gtest.h>

#include <QApplication>

#include "app/program_font.hpp"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The windows are tried in the font the program gives them, whatever the system's default.
    kestrova::UseProgramFont();
    // Closing a test's window must not end anything for the tests after it.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
