#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

class QWidget;

namespace kestrova {

class Notifier;
struct WindowContext;

// The modal dialogs the windows open to ask the user something: the print dialog and the file
// choosers for saving and opening (messages and two-button questions go to the Notifier). The
// program asks with Qt's dialogs; tests hand in one that answers at once, so no test waits on a
// modal window.
class Dialogs {
  public:
    struct SaveChoice {
        QString path;    // empty when the user cancelled
        QString filter;  // the file type chosen
    };

    struct PrinterChoice {
        std::unique_ptr<QPagedPaintDevice> printer;  // none when the user cancelled
        std::string failure;                         // why no print dialog could be shown
    };

    virtual ~Dialogs() = default;
    // The print dialog for a document named `docName`: the printer chosen.
    virtual PrinterChoice ChoosePrinter(const QString& docName, QWidget* parent) = 0;
    // A file to save under, offered `suggested` and the `filters` (the first chosen at first).
    virtual SaveChoice ChooseSaveFile(QWidget* parent, const QString& caption,
                                      const QString& suggested, const QStringList& filters) = 0;
    // A file to open, offered in the current directory with the `filters` (the first chosen at
    // first); with `mayBeNew` a name that does not exist yet may be typed too. Gives the file's
    // full name, or an empty text when the user cancelled.
    virtual QString ChooseOpenFile(QWidget* parent, const QString& caption,
                                   const QStringList& filters, bool mayBeNew) = 0;
};

// Qt's own modal dialogs.
class ModalDialogs : public Dialogs {
  public:
    // The print dialog and the printer come from the print library, opened here the first time.
    PrinterChoice ChoosePrinter(const QString& docName, QWidget* parent) override;
    SaveChoice ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                              const QStringList& filters) override;
    QString ChooseOpenFile(QWidget* parent, const QString& caption, const QStringList& filters,
                           bool mayBeNew) override;
};

// The printer the user chooses in the print dialog for `docName`, or none: cancelled, or the
// dialog could not be shown, which the notifier is told.
std::unique_ptr<QPagedPaintDevice> ChoosePrinter(Dialogs& dialogs, const QString& docName,
                                                 QWidget* parent, Notifier& notifier);

// The context's dialogs, or Qt's own when the context carries none.
Dialogs& DialogsOf(const WindowContext& context);

}  // namespace kestrova
