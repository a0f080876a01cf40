#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace kestrova {

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

    virtual ~Dialogs() = default;
    // The print dialog for `printer`: true when the user chose to print.
    virtual bool ChoosePrinter(QPrinter& printer, QWidget* parent) = 0;
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
    bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
    SaveChoice ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                              const QStringList& filters) override;
    QString ChooseOpenFile(QWidget* parent, const QString& caption, const QStringList& filters,
                           bool mayBeNew) override;
};

// The context's dialogs, or Qt's own when the context carries none.
Dialogs& DialogsOf(const WindowContext& context);

}  // namespace kestrova
