#include "app/dialogs.hpp"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>

#include "app/window_context.hpp"

namespace kestrova {

bool ModalDialogs::ChoosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

Dialogs::SaveChoice ModalDialogs::ChooseSaveFile(QWidget* parent, const QString& caption,
                                                 const QString& suggested,
                                                 const QStringList& filters) {
    SaveChoice choice;
    choice.filter = filters.value(0);
    choice.path = QFileDialog::getSaveFileName(parent, caption, suggested, filters.join(";;"),
                                               &choice.filter);
    return choice;
}

QString ModalDialogs::ChooseOpenFile(QWidget* parent, const QString& caption,
                                     const QStringList& filters, bool mayBeNew) {
    QFileDialog dialog(parent, caption, QDir::currentPath(), filters.join(";;"));
    dialog.setFileMode(mayBeNew ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

Dialogs& DialogsOf(const WindowContext& context) {
    // Qt's dialogs keep nothing between asks, so one shared instance serves every window.
    static ModalDialogs modal;
    return context.dialogs != nullptr ? *context.dialogs : modal;
}

}  // namespace kestrova
