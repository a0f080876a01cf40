#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/dialogs.hpp"

namespace kestrova::test_support {

// Dialogs that answer at once as the test says, and record what was asked: no modal window ever
// opens. By default every print dialog and file chooser is cancelled.
class RecordingDialogs : public Dialogs {
  public:
    bool ChoosePrinter(QPrinter&, QWidget* parent) override {
        ++printerAsks;
        if (whilePrinterAsked) {
            whilePrinterAsked(parent);
        }
        return printAnswer;
    }
    SaveChoice ChooseSaveFile(QWidget*, const QString& caption, const QString&,
                              const QStringList& filters) override {
        saveAsks.push_back(caption);
        offeredFilters = filters;
        return saveAnswer;
    }
    QString ChooseOpenFile(QWidget*, const QString& caption, const QStringList& filters,
                           bool) override {
        openAsks.push_back(caption);
        offeredFilters = filters;
        return openAnswer;
    }

    int printerAsks = 0;
    bool printAnswer = false;
    // Runs while the print dialog would be up (to look at the window then).
    std::function<void(QWidget*)> whilePrinterAsked;
    std::vector<QString> saveAsks;
    QStringList offeredFilters;
    SaveChoice saveAnswer;
    std::vector<QString> openAsks;
    QString openAnswer;
};

}  // namespace kestrova::test_support
