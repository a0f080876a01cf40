#include "app/report_printing.hpp"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/printer_text_sink.hpp"
#include "output/full_report.hpp"
#include "report_window_fixture.hpp"

namespace kestrova {
namespace {

using test_support::FileStart;

// Pages of a PDF document as Qt writes it: one page object per page.
int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = file.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r")) +
           static_cast<int>(bytes.count("/Type /Page "));
}

class PrintingToPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(PdfPath());
    }
    QString PdfPath() const { return directory_.filePath("report.pdf"); }

    QTemporaryDir directory_;
    QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(PrintingToPdf, LinesInAFixedPitchFontWithPageBreaks) {
    PrinterTextSink sink(printer_);
    ASSERT_TRUE(sink.IsActive());
    const QFontMetricsF metrics(sink.Font());
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
    for (int line = 0; line < 150; ++line) {
        sink.Write("     800 m ");
        sink.MoveToColumn(14);
        sink.Write("      2:12  ");
        sink.EndLine();
    }
    sink.Write("abcdef");
    sink.MoveToColumn(3);  // already past column 3: the line is ended first
    sink.Write("unfinished");
    EXPECT_TRUE(sink.Finish());
    EXPECT_EQ(sink.LinesPrinted(), 152);
    EXPECT_GE(sink.Pages(), 2);
    EXPECT_EQ(FileStart(PdfPath(), 5), QByteArray("%PDF-"));
    EXPECT_EQ(PdfPages(PdfPath()), sink.Pages());
}

TEST_F(PrintingToPdf, FullReportIsOneDocument) {
    MainFormInputs form;
    ModelState state = test_support::CalculatedState(form);
    state.reportDestination = kReportToTextFile;
    ASSERT_TRUE(PrintFullReportOn(state, form, printer_));
    EXPECT_EQ(state.reportDestination, kReportToPrinter);
    EXPECT_EQ(FileStart(PdfPath(), 5), QByteArray("%PDF-"));
    // 60 lines of report and analysis: two pages at the print size.
    EXPECT_GE(PdfPages(PdfPath()), 1);
    EXPECT_LE(PdfPages(PdfPath()), 3);
}

TEST_F(PrintingToPdf, APrinterThatCannotStartPrintsNothing) {
    printer_.setOutputFileName(directory_.filePath("no-such-directory/report.pdf"));
    MainFormInputs form;
    ModelState state = test_support::CalculatedState(form);
    EXPECT_FALSE(PrintFullReportOn(state, form, printer_));
    PrinterTextSink sink(printer_);
    EXPECT_FALSE(sink.IsActive());
    sink.Write("text");
    sink.EndLine();
    EXPECT_EQ(sink.LinesPrinted(), 0);
    EXPECT_FALSE(sink.Finish());
}

}  // namespace
}  // namespace kestrova
