#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "app/application_style.hpp"
#include "app/main_window.hpp"
#include "app/message_box_notifier.hpp"
#include "app/program_font.hpp"
#include "app/program_lifetime.hpp"
#include "app/termination_requests.hpp"
#include "session/session.hpp"
#include "session/start_up_settings.hpp"

namespace {

// The built-in icon: raw premultiplied ARGB images rendered at build time (icon_renderer), made
// into pixmaps without an image reader, which would load Qt's image format plugins to try them.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        QFile file(QStringLiteral(":/icons/%1.argb").arg(size));
        const QByteArray pixels = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (pixels.size() != static_cast<qsizetype>(size) * size * 4) {
            continue;
        }
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, size * 4,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kestrova::kProgramTitle));
    kestrova::UseApplicationStyle();
    kestrova::UseProgramFont();
    // The menu entry's name, by which a Wayland desktop matches the windows to the entry; an X11
    // one matches the window class, the application name, which the entry names as its
    // StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTROVA_APP_ID));
    // Every window shows the program's icon, the one built in (PNG files of several sizes): no
    // theme search and no SVG module before the first window is up.
    QApplication::setWindowIcon(ProgramIcon());
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
