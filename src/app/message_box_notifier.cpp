#include "app/message_box_notifier.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace kestrova {
namespace {

// Room the window frame's title bar takes beside the caption: its icon and its buttons.
constexpr int kTitleBarButtons = 160;

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const Message& message, QWidget* parent) {
    const QString caption =
        message.caption.empty() ? QString(kProgramTitle) : QString::fromStdString(message.caption);
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, caption,
                                             QString::fromStdString(message.text), QMessageBox::Ok,
                                             parent);
    // A message box sizes itself to its text; a short text would cut its caption to "Ke...va".
    // A spacer across the box's grid keeps it as wide as the caption needs.
    const int width =
        QFontMetrics(QApplication::font()).horizontalAdvance(caption) + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

bool MessageBoxNotifier::AskOver(QWidget* window, const Question& question) {
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(Message{question.text, question.caption, false}, window);
    box->setStandardButtons(QMessageBox::NoButton);
    QPushButton* accept =
        box->addButton(QString::fromStdString(question.accept), QMessageBox::AcceptRole);
    QPushButton* reject =
        box->addButton(QString::fromStdString(question.reject), QMessageBox::RejectRole);
    box->setDefaultButton(reject);
    box->setEscapeButton(reject);
    box->exec();
    return box->clickedButton() == accept;
}

void MessageBoxNotifier::ShowOver(QWidget* window, const Message& message) {
    if (message.beep) {
        QApplication::beep();
    }
    MakeMessageBox(message, window)->exec();
}

}  // namespace kestrova
