#include <QApplication>
#include <QIcon>

#include "app/main_window.hpp"
#include "app/message_box_notifier.hpp"
#include "app/program_font.hpp"
#include "app/program_lifetime.hpp"
#include "app/termination_requests.hpp"
#include "session/session.hpp"
#include "session/start_up_settings.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kestrova::kProgramTitle));
    kestrova::UseProgramFont();
    // The menu entry's name, by which a Wayland desktop matches the windows to the entry; an X11
    // one matches the window class, the application name, which the entry names as its
    // StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTROVA_APP_ID));
    // Every window shows the program's icon: the installed theme's, or the one built in.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(KESTROVA_APP_ID), QIcon(QStringLiteral(":/icons/" KESTROVA_APP_ID ".svg"))));
    // The settings file of the directory current at start-up, wherever the program goes later.
    kestrova::Session session(kestrova::CurrentSettingsPath());
    kestrova::MessageBoxNotifier notifier;
    kestrova::MainWindow window(session, notifier);
    notifier.SetParent(&window);
    window.show();
    const kestrova::ProgramLifetime lifetime;  // the program ends with its last window
    // Asked to end by the system (logout, `kill`), it ends as "Exit" does, keeping the inputs.
    const kestrova::TerminationRequests termination([&window] { window.EndProgram(); });
    return QApplication::exec();
}
