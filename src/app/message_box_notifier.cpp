#include "app/message_box_notifier.hpp"

#include <QApplication>
#include <QMessageBox>

namespace kestrova {

void MessageBoxNotifier::Show(const Message& message) {
    if (message.beep) {
        QApplication::beep();
    }
    const QString caption =
        message.caption.empty() ? QString(kProgramTitle) : QString::fromStdString(message.caption);
    QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(message.text),
                    QMessageBox::Ok, parent_.data());
    box.exec();
}

}  // namespace kestrova
