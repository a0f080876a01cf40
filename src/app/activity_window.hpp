#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "app/window_context.hpp"
#include "files/activity/activity.hpp"
#include "files/activity/activity_text.hpp"

class QComboBox;
class QListWidget;
class QPushButton;

namespace kestrova {

class TextCanvas;

// The "Import race from activity file" window (activityimport): a run from a watch or running
// app with its best efforts on the canvas, a list of what can go into a race row (the whole
// activity or one best effort), the row to fill, "Put in race row" and "Close".
class ActivityWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ActivityWindow(const WindowContext& context);

    // Shows an activity read from the file `fileName`.
    void ShowActivity(const std::string& fileName, const Activity& activity);

    // Puts the chosen line's distance and time into the chosen row, with its "use?" box checked;
    // a row that holds a race is replaced only when the user agrees.
    void FillRow();

    TextCanvas& Canvas() { return *canvas_; }
    QListWidget& Choices() { return *choices_; }
    QComboBox& Row() { return *row_; }

  private:
    WindowContext context_;
    std::vector<ActivityChoice> choiceValues_;
    TextCanvas* canvas_;
    QListWidget* choices_;
    QComboBox* row_;
    QPushButton* fill_;
    QPushButton* close_;
};

// Reads the file and shows it in the import window (opened, or brought to the front). A file
// that gives no activity is refused in a message box and nothing else happens. Returns the
// window, or null when there is none to show.
ActivityWindow* OpenActivityFile(const WindowContext& context, const QString& path);

// The main window's "File > Import race from activity file…": the context's file chooser, on
// the three formats, then the above.
ActivityWindow* ImportRaceFromActivity(const WindowContext& context);

}  // namespace kestrova
