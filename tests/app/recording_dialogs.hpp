#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs.hpp"
#include "app/window_notifier.hpp"
#include "model/notifier.hpp"

namespace kestrova::test_support {

// Dialogs that answer at once as the test says, and record what was asked: no modal window ever
// opens. By default every print dialog and file chooser is cancelled.
class RecordingDialogs : public Dialogs {
  public:
    PrinterChoice ChoosePrinter(const QString& docName, QWidget* parent) override {
        ++printerAsks;
        if (whilePrinterAsked) {
            whilePrinterAsked(parent);
        }
        PrinterChoice choice{nullptr, printFailure};
        if (printAnswer) {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setDocName(docName);
            choice.printer = std::move(printer);
        }
        return choice;
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
    std::string printFailure;  // the print dialog could not be shown, for this reason
    // Runs while the print dialog would be up (to look at the window then).
    std::function<void(QWidget*)> whilePrinterAsked;
    std::vector<QString> saveAsks;
    QStringList offeredFilters;
    SaveChoice saveAnswer;
    std::vector<QString> openAsks;
    QString openAnswer;
};

// A recording notifier that also records the window each message or question was shown over
// (its objectName; empty for none), and can run something while the box would be up.
class RecordingWindowNotifier : public RecordingNotifier, public WindowMessages {
  public:
    void ShowOver(QWidget* window, const Message& message) override {
        Over(window);
        Show(message);
    }
    bool AskOver(QWidget* window, const Question& question) override {
        Over(window);
        return Ask(question);
    }

    std::vector<QString> windows;
    std::function<void()> whileShown;

  private:
    void Over(QWidget* window) {
        windows.push_back(window != nullptr ? window->objectName() : QString());
        if (whileShown) {
            whileShown();
        }
    }
};

}  // namespace kestrova::test_support
