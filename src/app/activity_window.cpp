#include "app/activity_window.hpp"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs.hpp"
#include "app/open_or_raise.hpp"
#include "app/table_window_parts.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "files/activity/activity_file.hpp"
#include "files/activity/activity_race_row.hpp"

namespace kestrova {
namespace {

constexpr int kCanvasColumns = 64;
constexpr int kCanvasLines = 17;
constexpr int kChoiceLines = 10;
constexpr const char* kCaption = "Import race";

}  // namespace

ActivityWindow::ActivityWindow(const WindowContext& context)
    : QWidget(context.owner, Qt::Window),
      context_(context),
      canvas_(new TextCanvas(this)),
      choices_(new QListWidget(this)),
      row_(new QComboBox(this)),
      fill_(NewWindowButton(this, "fill", QStringLiteral("&Put in race row"))),
      close_(NewWindowButton(this, "close", QStringLiteral("Close"))) {
    setObjectName(QStringLiteral("activityimport"));
    setWindowTitle(QStringLiteral("Import race from activity file"));
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName(QStringLiteral("canvas"));
    SizeCanvas(*canvas_, kCanvasColumns, kCanvasLines);
    choices_->setObjectName(QStringLiteral("choices"));
    choices_->setMaximumHeight(choices_->fontMetrics().height() * kChoiceLines);
    row_->setObjectName(QStringLiteral("row"));
    for (int row = 1; row <= kRaceRowCount; ++row) {
        row_->addItem(QStringLiteral("Race row %1").arg(row));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addWidget(NewTableLabel(this, "chooselabel",
                                    QStringLiteral("Put into a race row of the main window:")));
    layout->addWidget(choices_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(row_);
    buttons->addWidget(fill_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    connect(fill_, &QPushButton::clicked, this, &ActivityWindow::FillRow);
    connect(choices_, &QListWidget::itemActivated, this, &ActivityWindow::FillRow);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void ActivityWindow::ShowActivity(const std::string& fileName, const Activity& activity) {
    const std::vector<BestEffort> efforts = FindBestEfforts(activity.series);
    canvas_->Clear();
    WriteActivity(*canvas_, fileName, activity, efforts);
    canvas_->Flush();
    choiceValues_ = ActivityChoices(activity, efforts);
    choices_->clear();
    for (const ActivityChoice& choice : choiceValues_) {
        choices_->addItem(QString::fromStdString(ChoiceLine(choice)));
    }
    choices_->setCurrentRow(0);
    row_->setCurrentIndex(FirstFreeRow(context_.formInputs()).value_or(0));
    choices_->setFocus();
}

void ActivityWindow::FillRow() {
    const int choice = choices_->currentRow();
    const int row = row_->currentIndex();
    if (choice < 0 || static_cast<std::size_t>(choice) >= choiceValues_.size() || row < 0 ||
        row >= kRaceRowCount) {
        return;
    }
    const ActivityChoice& chosen = choiceValues_[static_cast<std::size_t>(choice)];
    const MainFormInputs form = context_.formInputs();
    const RaceRowInputs& current = form.rows[static_cast<std::size_t>(row)];
    const std::string what = choice == 0 ? "whole activity" : chosen.label;
    if (context_.copiedRows.HoldsTypedRace(row, current) &&
        !context_.notifier.Ask(ReplaceRowQuestion(row, current, what))) {
        return;
    }
    const RaceRowInputs filled = ActivityRaceRow(chosen.meters, chosen.seconds);
    context_.setRaceRow(row, filled);
    context_.copiedRows.Remember(row, filled);
    row_->setCurrentIndex(FirstFreeRow(context_.formInputs()).value_or(row));
}

ActivityWindow* OpenActivityFile(const WindowContext& context, const QString& path) {
    const ActivityReading reading = ReadActivityFile(path.toStdString());
    if (!reading.activity) {
        context.notifier.Show(reading.problem, kCaption);
        return nullptr;
    }
    ActivityWindow* window = OpenOrRaise<ActivityWindow>(
        context.owner, [&context] { return new ActivityWindow(context); });
    window->ShowActivity(QFileInfo(path).fileName().toStdString(), *reading.activity);
    return window;
}

ActivityWindow* ImportRaceFromActivity(const WindowContext& context) {
    const QString path = DialogsOf(context).ChooseOpenFile(
        context.owner, QStringLiteral("Import race from activity file"),
        {QStringLiteral("Activity files (*.gpx *.GPX *.tcx *.TCX *.fit *.FIT)"),
         QStringLiteral("GPX files (*.gpx *.GPX)"), QStringLiteral("TCX files (*.tcx *.TCX)"),
         QStringLiteral("FIT files (*.fit *.FIT)"), QStringLiteral("All files (*)")},
        false);
    if (path.isEmpty()) {
        return nullptr;
    }
    return OpenActivityFile(context, path);
}

}  // namespace kestrova
