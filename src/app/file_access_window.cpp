#include "app/file_access_window.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialogs.hpp"
#include "app/help_window.hpp"
#include "app/open_or_raise.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

FileAccessWindow::FileAccessWindow(const WindowContext& context)
    : QWidget(context.owner, Qt::Window),
      context_(context),
      files_(context.session != nullptr ? context.session->raceFile : ownFiles_),
      fileName_(context.session != nullptr ? context.session->raceFileName : ownFileName_),
      controls_(CreateFileAccessControls(this)) {
    setObjectName(QStringLiteral("fileacc"));
    setWindowTitle(QStringLiteral("File Access for Saved Races"));
    setAttribute(Qt::WA_DeleteOnClose);
    controls_.Text6->setText(QString::fromStdString(fileName_));
    ShowState();
    ShowList();
    Connect();
}

void FileAccessWindow::Connect() {
    const FileAccessControls& c = controls_;
    connect(c.browse, &QPushButton::clicked, this, &FileAccessWindow::Browse);
    connect(c.Text6, &QLineEdit::textChanged, this, &FileAccessWindow::FileNameChanged);
    connect(c.Text6, &QLineEdit::returnPressed, this, &FileAccessWindow::OpenExistingFile);
    connect(c.Command2, &QPushButton::clicked, this, &FileAccessWindow::OpenNewFile);
    connect(c.Command4, &QPushButton::clicked, this, &FileAccessWindow::OpenExistingFile);
    // A click, or moving through the list with the keys, chooses the line.
    connect(c.List1, &QListWidget::currentRowChanged, this, &FileAccessWindow::ClickLine);
    connect(c.List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ClickLine(controls_.List1->row(item)); });
    connect(c.List1, &QListWidget::itemActivated, this, [this] { SelectOrOmit(true); });
    connect(c.Command5, &QPushButton::clicked, this, [this] { SelectOrOmit(true); });
    connect(c.Command7, &QPushButton::clicked, this, [this] { SelectOrOmit(false); });
    for (QLineEdit* box : {c.Text1, c.Text2, c.Text3, c.Text4, c.Text5, c.Text9}) {
        connect(box, &QLineEdit::returnPressed, this, &FileAccessWindow::AddRace);
    }
    connect(c.Command1, &QPushButton::clicked, this, &FileAccessWindow::AddRace);
    connect(c.Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(c.Command6, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(context_, HelpTopic::FileAccess); });
}

void FileAccessWindow::ClickLine(int row) {
    if (row < 0) {
        return;
    }
    files_.selectedRow = row + 1;
    controls_.Command5->setEnabled(true);
}

void FileAccessWindow::Browse() {
    // A new name may be typed as well, for "Open New".
    const QString chosen = DialogsOf(context_).ChooseOpenFile(
        this, QStringLiteral("Saved race file"),
        {QStringLiteral("Saved race files (*.kst*)"), QStringLiteral("All files (*)")}, true);
    if (chosen.isEmpty()) {
        return;
    }
    // Only the file's name changes; the program's current directory (and with it where the
    // settings file is written) stays where it was.
    const QFileInfo file(chosen);
    controls_.Text6->setText(QDir::toNativeSeparators(file.absoluteFilePath()));
}

void FileAccessWindow::FileNameChanged(const QString& text) {
    fileName_ = text.toStdString();
    CloseRaceFile(files_);
    ShowState();
}

void FileAccessWindow::OpenNewFile() {
    OpenNew(files_, Text(controls_.Text6), context_.notifier);
    ShowState();
    ShowList();
}

void FileAccessWindow::OpenExistingFile() {
    OpenExisting(files_, Text(controls_.Text6), context_.notifier);
    ShowState();
    ShowList();
}

RaceEntryRow FileAccessWindow::Entry() const {
    const FileAccessControls& c = controls_;
    RaceEntryRow entry{Text(c.Text1), Text(c.Text2), Text(c.Text3), Text(c.Text4), {},
                       Text(c.Text5), Text(c.Text9)};
    for (std::size_t unit = 0; unit < entry.unitOption.size(); ++unit) {
        entry.unitOption[unit] = c.unitOption[unit]->isChecked();
    }
    return entry;
}

void FileAccessWindow::AddRace() {
    if (!controls_.Command1->isEnabled()) {
        return;
    }
    AddToFile(files_, Entry(), context_.notifier);
    ShowState();
    ShowList();
}

void FileAccessWindow::SelectOrOmit(bool select) {
    MainFormInputs form = context_.formInputs();
    FileAccessState& state = files_;
    const std::optional<int> row =
        select ? SelectRace(state, form, context_.copiedRows, context_.notifier)
               : OmitRace(state, form, context_.notifier);
    if (!row) {
        return;
    }
    context_.setRaceRow(*row, form.rows[static_cast<std::size_t>(*row)]);
    if (select) {
        controls_.Command7->setEnabled(true);
    }
    ShowList();
}

void FileAccessWindow::ShowState() {
    const FileAccessState& state = files_;
    controls_.Check1->setChecked(state.fileOpen);
    controls_.Command1->setEnabled(state.CanAdd());
    controls_.Text9->setText(QString::fromStdString(state.Text9));
}

void FileAccessWindow::ShowList() {
    const FileAccessState& state = files_;
    QListWidget* list = controls_.List1;
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(state.listLines.size()));
    for (const std::string& line : state.listLines) {
        lines.append(QString::fromStdString(line));
    }
    list->addItems(lines);
    // The clicked line stays marked, as selectedRow still names it.
    list->setCurrentRow(state.selectedRow - 1);
}

FileAccessWindow* OpenFileAccessWindow(const WindowContext& context) {
    return OpenOrRaise<FileAccessWindow>(context.owner,
                                         [&context] { return new FileAccessWindow(context); });
}

}  // namespace kestrova
