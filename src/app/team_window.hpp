#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include <QString>
#include <QWidget>

#include "app/window_context.hpp"
#include "app/window_notifier.hpp"
#include "session/team_table.hpp"

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace kestrova {

// The team window: every runner of a team file with the predicted times and performance levels
// at 5 km, 10 km, the half marathon and the marathon, VO2 max and the best distance, or the
// message that refused the runner. A click on a heading sorts by that column (times and levels
// as numbers); a double-click puts that runner into the main window's inputs, asking first when
// the main window holds races the user typed. The file is read and its runners fitted on
// threads of their own, so a file of thousands of runners never stops the windows.
class TeamWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TeamWindow(const WindowContext& context);

    // Reads and fits the team file at `path`; the table shows it once done (`loaded`).
    void Load(const QString& path);
    // Puts the runner of the table's row `row`, as the table is sorted on screen, into the main
    // window.
    void TakeRunner(int row);
    QTableView& Table() { return *view_; }

  signals:
    void loaded();

  private:
    using Reading = std::variant<TeamTable, std::string>;
    void Show(std::uint64_t load, const std::shared_ptr<Reading>& reading);
    void ShowTable(TeamTable table);

    WindowNotifier notifier_;  // before the context, which sends its messages there
    WindowContext context_;
    QString source_;  // the file's name, as the window shows it
    QLabel* summary_;
    QTableView* view_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* sorted_;
    QPushButton* close_;
    std::vector<TeamTableRow> rows_;
    std::uint64_t loads_ = 0;  // the newest Load; an older reading's results are dropped
    // Last, so it is stopped and joined first when the window goes.
    std::jthread reader_;
};

// "File > Open team file…": the file chooser of the context's dialogs, then the team window (one
// at most) with that file. Returns the window, or nothing when the choice was cancelled.
TeamWindow* OpenTeamFile(const WindowContext& context);

// The team window showing the file at `path`.
TeamWindow* OpenTeamWindow(const WindowContext& context, const QString& path);

}  // namespace kestrova
