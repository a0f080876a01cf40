#pragma once

#include <QFont>
#include <QPainter>
#include <string>

#include "model/text_sink.hpp"

class QPagedPaintDevice;

namespace kestrova {

// Writes lines of text on a printer as one document, in a fixed-pitch font so that character
// columns line up, starting a new page whenever the next line would not fit. The font is made
// small enough for `columns` characters to fit the page's width.
class PrinterTextSink : public TextSink {
  public:
    static constexpr int kDefaultColumns = 84;

    explicit PrinterTextSink(QPagedPaintDevice& printer, int columns = kDefaultColumns);
    ~PrinterTextSink() override;
    PrinterTextSink(const PrinterTextSink&) = delete;
    PrinterTextSink& operator=(const PrinterTextSink&) = delete;

    // False when the printer could not be started; nothing is printed then.
    bool IsActive() const { return painter_.isActive(); }

    void Write(std::string_view text) override;
    void MoveToColumn(int column) override;
    void EndLine() override;

    // Prints an unfinished line and ends the document, which releases it to the printer. Returns
    // whether the whole document was printed.
    bool Finish();

    int Pages() const { return pages_; }
    int LinesPrinted() const { return lines_; }
    const QFont& Font() const { return font_; }

  private:
    QPagedPaintDevice& printer_;
    QPainter painter_;
    QFont font_;
    std::string current_;
    double lineHeight_ = 0.0;
    double ascent_ = 0.0;
    double pageHeight_ = 0.0;
    double y_ = 0.0;
    int pages_ = 0;
    int lines_ = 0;
    bool failed_ = false;
};

}  // namespace kestrova
