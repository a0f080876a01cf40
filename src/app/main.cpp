#include <QApplication>

#include "app/main_window.hpp"
#include "app/message_box_notifier.hpp"
#include "app/program_lifetime.hpp"
#include "model/model_state.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kestrova::kProgramTitle));
    kestrova::ModelState state;  // the window's start-up sets its start-up values
    kestrova::MessageBoxNotifier notifier;
    kestrova::MainWindow window(state, notifier);
    notifier.SetParent(&window);
    window.show();
    const kestrova::ProgramLifetime lifetime;  // the program ends with its last window
    return QApplication::exec();
}
