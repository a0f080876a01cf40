#include "app/dialogs.hpp"

#include <QDir>
#include <QFileDialog>

#include "app/print_module.hpp"
#include "app/window_context.hpp"
#include "model/notifier.hpp"
#include "painting/image_module_loader.hpp"

namespace kestrova {

Dialogs::PrinterChoice ModalDialogs::ChoosePrinter(const QString& docName, QWidget* parent) {
    PrinterChoice choice;
    // POSIX guarantees that a function's address survives the trip through void*.
    const auto entry = reinterpret_cast<PrintModuleEntry>(
        ProgramModuleEntry(RunningProgramModule(kPrintModuleFileName), "print library",
                           kPrintModuleEntry, choice.failure));
    if (entry != nullptr) {
        choice.printer.reset(entry(&docName, parent));
    }
    return choice;
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

std::unique_ptr<QPagedPaintDevice> ChoosePrinter(Dialogs& dialogs, const QString& docName,
                                                 QWidget* parent, Notifier& notifier) {
    Dialogs::PrinterChoice choice = dialogs.ChoosePrinter(docName, parent);
    if (!choice.failure.empty()) {
        notifier.Show("Nothing can be printed: " + choice.failure + ".");
    }
    return std::move(choice.printer);
}

Dialogs& DialogsOf(const WindowContext& context) {
    // Qt's dialogs keep nothing between asks, so one shared instance serves every window.
    static ModalDialogs modal;
    return context.dialogs != nullptr ? *context.dialogs : modal;
}

}  // namespace kestrova
