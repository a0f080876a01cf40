#include "app/window_printing.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include "report_window_fixture.hpp"

namespace kestrova {
namespace {

TEST(WindowPrinting, ImageOfTheWindowOnAPdfPage) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QWidget window;
    window.setWindowTitle("Pace versus distance");
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("   Distance       Time"));
    layout->addWidget(new QPushButton("Close"));
    window.resize(600, 400);
    window.show();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = directory.filePath("window.pdf");
    printer.setOutputFileName(path);
    EXPECT_TRUE(PrintWindowImageOn(window, printer));
    EXPECT_EQ(test_support::FileStart(path, 5), QByteArray("%PDF-"));

    printer.setOutputFileName(directory.filePath("no-such-directory/window.pdf"));
    EXPECT_FALSE(PrintWindowImageOn(window, printer));
}

}  // namespace
}  // namespace kestrova
