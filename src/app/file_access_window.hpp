#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QString>
#include <QWidget>

#include "app/file_access_controls.hpp"
#include "app/window_context.hpp"
#include "app/window_notifier.hpp"
#include "files/file_access.hpp"

namespace kestrova {

// What the file access window keeps while the program runs, also while the window is closed:
// the open race file with its list, picks and marks, and the file name box. It belongs to the
// main window (or to the window itself when it has no owner).
class FileAccessSession : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    FileAccessState state;
    QString fileName;  // the contents of the file name box
};

// Asks the user for a race file and gives its full name, or an empty text when cancelled. The
// window's own asks with a file dialog filtered on "*.kst*"; tests hand in one that answers.
using RaceFileChooser = std::function<QString(QWidget* parent)>;

// The file access window (fileacc) "File Access for Saved Races": opens and creates saved race
// files, lists their races, adds the entry row's race to the open file, and copies chosen races
// into the main window's race rows (or takes them out again) the moment they are chosen.
class FileAccessWindow : public QWidget {
    Q_OBJECT

  public:
    FileAccessWindow(const WindowContext& context, FileAccessSession& session);

    void SetFileChooser(RaceFileChooser chooser) { chooser_ = std::move(chooser); }
    const FileAccessState& State() const { return session_.state; }

  private:
    void Connect();
    void ClickLine(int row);
    void Browse();
    void FileNameChanged(const QString& text);
    void OpenNewFile();
    void OpenExistingFile();
    void AddRace();
    void SelectOrOmit(bool select);
    RaceEntryRow Entry() const;
    void ShowState();
    void ShowList();

    WindowNotifier notifier_;  // before the context, which sends its messages there
    WindowContext context_;
    FileAccessSession& session_;
    FileAccessControls controls_;
    RaceFileChooser chooser_;
};

// The main window's "Data File Access": opens the file access window (one at most) or brings it
// to the front. Returns the window.
FileAccessWindow* OpenFileAccessWindow(const WindowContext& context);

}  // namespace kestrova
