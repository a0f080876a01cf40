#include "app/print_module.hpp"

#include <QPrintDialog>
#include <QPrinter>
#include <memory>
#include <type_traits>

// Only this function is exported from the library (it is built with hidden visibility).
extern "C" __attribute__((visibility("default"))) QPagedPaintDevice* KestrovaChoosePrinter(
    const QString* docName, QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (docName != nullptr) {
        printer->setDocName(*docName);
    }
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer.release();
}

// The program calls it through this type.
static_assert(std::is_same_v<decltype(&KestrovaChoosePrinter), kestrova::PrintModuleEntry>);
