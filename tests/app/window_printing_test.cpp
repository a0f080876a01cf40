#include "app/window_printing.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include "recording_dialogs.hpp"
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

// Without the print library nothing is printed, and the user is told why.
TEST(WindowPrinting, APrintDialogThatCannotBeShownIsSaid) {
    QWidget window;
    test_support::RecordingDialogs dialogs;
    dialogs.printFailure = "cannot open the print library x";
    RecordingNotifier notifier;
    EXPECT_FALSE(PrintWindowImage(window, dialogs, notifier));
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].text,
              "Nothing can be printed: cannot open the print library x.");
}

}  // namespace
}  // namespace kestrova
