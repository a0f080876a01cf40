#include "app/team_window.hpp"

#include <algorithm>
#include <fstream>
#include <limits>

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "app/dialogs.hpp"
#include "app/open_or_raise.hpp"
#include "app/widget_builder.hpp"

namespace kestrova {
namespace {

constexpr int kSortRole = Qt::UserRole + 1;
constexpr unsigned kMostThreads = 16;
constexpr int kWidth = 980;
constexpr int kHeight = 520;
constexpr const char* kCaption = "Team";
// Sorted after every number: the cells of a refused runner.
constexpr double kNoNumber = std::numeric_limits<double>::max();

QStandardItem* Cell(const std::string& text, const QVariant& sortValue) {
    auto* item = new QStandardItem(QString::fromStdString(text));
    item->setData(sortValue, kSortRole);
    item->setEditable(false);
    return item;
}

// The numbers each text cell of TeamResultTexts stands for, in the same order.
std::vector<double> SortValues(const TeamResult& result, std::size_t distanceCount) {
    if (!result.error.empty()) {
        return std::vector<double>(2 * distanceCount + 2, kNoNumber);
    }
    std::vector<double> values;
    for (const TeamPrediction& prediction : result.predictions) {
        values.push_back(prediction.seconds);
        values.push_back(prediction.levelPercent);
    }
    values.push_back(result.vo2Max);
    values.push_back(result.bestKm);
    return values;
}

QStringList Headings(const std::vector<TeamDistance>& distances) {
    QStringList headings{QStringLiteral("Name")};
    for (const TeamDistance& distance : distances) {
        const QString name = QString::fromStdString(distance.name);
        headings << name << name + QStringLiteral(" level");
    }
    headings << QStringLiteral("VO2 max") << QStringLiteral("Best km") << QStringLiteral("Error");
    return headings;
}

}  // namespace

TeamWindow::TeamWindow(const WindowContext& context)
    : QWidget(context.owner, Qt::Window),
      notifier_(*this, context.notifier),
      context_(WithNotifier(context, notifier_)),
      summary_(NewLabel(this, QStringLiteral("summary"), {}, true)),
      view_(new QTableView(this)),
      model_(new QStandardItemModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      close_(NewWindowButton(this, QStringLiteral("close"), QStringLiteral("Close"))) {
    setObjectName(QStringLiteral("teamwindow"));
    setWindowTitle(QStringLiteral("Team"));
    setAttribute(Qt::WA_DeleteOnClose);
    view_->setObjectName(QStringLiteral("table"));
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    view_->setModel(sorted_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->verticalHeader()->hide();
    // The file's order until a heading is clicked.
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->setSortingEnabled(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    resize(kWidth, kHeight);

    connect(view_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { TakeRunner(index.row()); });
    // Enter on the current row does the same, for the keyboard.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), view_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this,
                [this] { TakeRunner(view_->currentIndex().row()); });
    }
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void TeamWindow::Load(const QString& path) {
    const std::uint64_t load = ++loads_;
    source_ = QFileInfo(path).fileName();
    setWindowTitle(QStringLiteral("Team: ") + source_);
    summary_->setText(QStringLiteral("Reading ") + source_ + QStringLiteral("…"));
    model_->clear();
    rows_.clear();
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1U, kMostThreads);
    // A reading still running for an earlier file is stopped and joined first.
    reader_ = std::jthread([this, load, threads, file = path.toStdString(),
                            name = source_.toStdString()](const std::stop_token& stop) {
        auto reading = std::make_shared<Reading>("cannot read the team file " + name);
        if (std::ifstream in(file, std::ios::binary); in) {
            *reading = ReadTeamTable(in, name, threads, [&stop] { return stop.stop_requested(); });
        }
        if (!stop.stop_requested()) {
            QMetaObject::invokeMethod(
                this, [this, load, reading] { Show(load, reading); }, Qt::QueuedConnection);
        }
    });
}

void TeamWindow::Show(std::uint64_t load, const std::shared_ptr<Reading>& reading) {
    if (load != loads_) {
        return;
    }
    if (auto* table = std::get_if<TeamTable>(reading.get())) {
        ShowTable(std::move(*table));
    } else {
        const std::string& problem = std::get<std::string>(*reading);
        summary_->setText(QString::fromStdString(problem));
        context_.notifier.Show(problem, kCaption);
    }
    emit loaded();
}

void TeamWindow::ShowTable(TeamTable table) {
    model_->setHorizontalHeaderLabels(Headings(table.distances));
    const std::size_t distanceCount = table.distances.size();
    for (const TeamTableRow& row : table.rows) {
        const TeamResult& result = row.result;
        QList<QStandardItem*> cells{Cell(result.name, QString::fromStdString(result.name))};
        const std::vector<std::string> texts = TeamResultTexts(result, distanceCount);
        const std::vector<double> values = SortValues(result, distanceCount);
        for (std::size_t i = 0; i < texts.size() && i < values.size(); ++i) {
            cells << Cell(texts[i], values[i]);
            cells.back()->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        cells << Cell(result.error, QString::fromStdString(result.error));
        model_->appendRow(cells);
    }
    rows_ = std::move(table.rows);
    summary_->setText(QString::fromStdString(TeamTableSummary(rows_, source_.toStdString())));
    view_->resizeColumnsToContents();
}

void TeamWindow::TakeRunner(int row) {
    const int source = sorted_->mapToSource(sorted_->index(row, 0)).row();
    if (source < 0 || static_cast<std::size_t>(source) >= rows_.size()) {
        return;
    }
    const TeamTableRow& chosen = rows_[static_cast<std::size_t>(source)];
    if (!chosen.runner.error.empty()) {
        context_.notifier.Show(TeamLineUnusableMessage(chosen.runner), kCaption);
        return;
    }
    const MainFormInputs form = context_.formInputs();
    bool typed = false;
    for (int i = 0; i < kRaceRowCount; ++i) {
        typed =
            typed || context_.copiedRows.HoldsTypedRace(i, form.rows[static_cast<std::size_t>(i)]);
    }
    if (typed && !context_.notifier.Ask(ReplaceTypedRacesQuestion(chosen.runner))) {
        return;
    }
    context_.setRunner(chosen.runner.form);
    for (int i = 0; i < kRaceRowCount; ++i) {
        context_.copiedRows.Remember(i, chosen.runner.form.rows[static_cast<std::size_t>(i)]);
    }
}

TeamWindow* OpenTeamWindow(const WindowContext& context, const QString& path) {
    TeamWindow* window =
        OpenOrRaise<TeamWindow>(context.owner, [&context] { return new TeamWindow(context); });
    window->Load(path);
    return window;
}

TeamWindow* OpenTeamFile(const WindowContext& context) {
    const QString path = DialogsOf(context).ChooseOpenFile(
        context.owner, QStringLiteral("Open team file"),
        {QStringLiteral("Team files (*.csv *.CSV)"), QStringLiteral("All files (*)")}, false);
    if (path.isEmpty()) {
        return nullptr;
    }
    return OpenTeamWindow(context, path);
}

}  // namespace kestrova
