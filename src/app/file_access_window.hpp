#pragma once

#include <string>

#include <QString>
#include <QWidget>

#include "app/file_access_controls.hpp"
#include "app/window_context.hpp"
#include "files/file_access.hpp"

namespace kestrova {

// The file access window (fileacc) "File Access for Saved Races": opens and creates saved race
// files, lists their races, adds the entry row's race to the open file, and copies chosen races
// into the main window's race rows (or takes them out again) the moment they are chosen. The
// open race file with its list, picks and marks, and the file name box are the session's, so
// they stay while the window is closed.
class FileAccessWindow : public QWidget {
    Q_OBJECT

  public:
    explicit FileAccessWindow(const WindowContext& context);

    const FileAccessState& State() const { return files_; }

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

    WindowContext context_;
    // The race file and the name box for a window opened without a session.
    FileAccessState ownFiles_;
    std::string ownFileName_;
    FileAccessState& files_;
    std::string& fileName_;
    FileAccessControls controls_;
};

// The main window's "Data File Access": opens the file access window (one at most) or brings it
// to the front. Returns the window.
FileAccessWindow* OpenFileAccessWindow(const WindowContext& context);

}  // namespace kestrova
