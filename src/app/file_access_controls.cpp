#include "app/file_access_controls.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "files/race_list.hpp"

namespace kestrova {
namespace {

constexpr const char* kEntryHeading =
    "Hrs       Min      Sec        Number   mi   yd    km   m   mara h.mara           Comments";

// Where each box of the entry row starts and how wide it is, in characters of the heading font:
// each sits under its word of the heading. The comment box takes up to 60 characters.
struct EntryColumn {
    int start;
    int width;
};
constexpr EntryColumn kTimeAndNumberColumns[] = {{0, 8}, {10, 7}, {19, 9}, {30, 8}};
constexpr int kUnitColumns[kDistanceUnitCount] = {39, 44, 50, 55, 60, 65};
constexpr EntryColumn kCommentColumn = {71, 34};
constexpr int kListLines = 12;
constexpr int kHeadingPitchPercent = 75;
constexpr int kListTextIndent = 3;  // pixels between the list's frame and its text

// The entry row: boxes and unit buttons placed at the character columns of its heading.
QWidget* EntryRow(QWidget* window, FileAccessControls& c) {
    auto* row = new QWidget(window);
    // Positions are measured on the heading's own text, as the label draws it: a character is
    // seldom a whole number of pixels wide, and whole-pixel steps would drift off the words.
    const QFontMetricsF metrics(TextCanvas::TableFont());
    const QString heading = QString::fromLatin1(kEntryHeading);
    const auto x = [&metrics, &heading](int column) {
        return qRound(metrics.horizontalAdvance(heading.left(column)));
    };
    const auto width = [&metrics](int characters) {
        return qRound(metrics.horizontalAdvance(QString(characters, QLatin1Char('M'))));
    };
    QLineEdit* boxes[] = {c.Text1 = NewTextBox(row, "Text1"), c.Text2 = NewTextBox(row, "Text2"),
                          c.Text3 = NewTextBox(row, "Text3"), c.Text4 = NewTextBox(row, "Text4")};
    int height = 0;
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        boxes[i]->setGeometry(x(kTimeAndNumberColumns[i].start), 0,
                              width(kTimeAndNumberColumns[i].width), boxes[i]->sizeHint().height());
        height = boxes[i]->sizeHint().height();
    }
    c.units = new QButtonGroup(row);
    for (int unit = 0; unit < kDistanceUnitCount; ++unit) {
        QRadioButton* option = NewOption(row, QStringLiteral("Option%1").arg(unit + 1));
        const QSize size = option->sizeHint();
        option->setGeometry(x(kUnitColumns[unit]), (height - size.height()) / 2, size.width(),
                            size.height());
        c.units->addButton(option, unit);
        c.unitOption[static_cast<std::size_t>(unit)] = option;
    }
    c.Text5 = NewTextBox(row, "Text5");
    c.Text5->setGeometry(x(kCommentColumn.start), 0, width(kCommentColumn.width), height);
    row->setFixedSize(x(kCommentColumn.start) + width(kCommentColumn.width), height);
    return row;
}

QLayout* FileRow(QWidget* window, FileAccessControls& c) {
    auto* layout = new QGridLayout;
    c.Label3 = NewLabel(window, "Label3", QStringLiteral("Drive\\Directory\\File"));
    c.Text6 = NewTextBox(window, "Text6");
    c.Label3->setBuddy(c.Text6);
    c.browse = NewButton(window, "browse", QStringLiteral("&Browse…"));
    c.Check1 = NewCheckBox(window, QStringLiteral("Check1"), QStringLiteral("Open"));
    // Only an indicator: the user cannot change it.
    c.Check1->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.Check1->setFocusPolicy(Qt::NoFocus);
    c.Command2 = NewButton(window, "Command2", QStringLiteral("Open &New"));
    c.Command4 = NewButton(window, "Command4", QStringLiteral("Open &Existing"));
    layout->addWidget(c.Label3, 0, 0, 1, 2);
    layout->addWidget(c.Text6, 1, 0);
    layout->addWidget(c.browse, 1, 1);
    layout->addWidget(c.Check1, 1, 2);
    layout->addWidget(c.Command2, 1, 3);
    layout->addWidget(c.Command4, 1, 4);
    layout->setColumnStretch(0, 1);
    return layout;
}

QLayout* ListArea(QWidget* window, FileAccessControls& c) {
    c.List1 = new QListWidget(window);
    c.List1->setObjectName(QStringLiteral("List1"));
    c.Label1 = NewTableLabel(window, "Label1", QString::fromLatin1(kRaceListHeading));
    // The heading's words stand wider apart than the list's columns: in the list font drawn at
    // three quarters of its character pitch, each word sits over its column.
    QFont heading = c.Label1->font();
    heading.setLetterSpacing(QFont::PercentageSpacing, kHeadingPitchPercent);
    c.Label1->setFont(heading);
    c.Label1->setContentsMargins(c.List1->frameWidth() + kListTextIndent, 0, 0, 0);

    c.List1->setFont(TextCanvas::TableFont());
    c.List1->setUniformItemSizes(true);
    const QFontMetrics metrics(c.List1->font());
    c.List1->setMinimumHeight(metrics.lineSpacing() * kListLines);
    c.Label1->setBuddy(c.List1);
    c.Command5 = NewButton(window, "Command5", QStringLiteral("&Select Race"));
    c.Command7 = NewButton(window, "Command7", QStringLiteral("O&mit Race"));
    c.Command5->setEnabled(false);
    c.Command7->setEnabled(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(c.Command5);
    buttons->addWidget(c.Command7);
    buttons->addStretch();
    auto* list = new QGridLayout;
    list->addWidget(c.Label1, 0, 0);
    list->addWidget(c.List1, 1, 0);
    list->addLayout(buttons, 1, 1);
    return list;
}

QLayout* AddRow(QWidget* window, FileAccessControls& c) {
    c.Label4 = NewLabel(window, "Label4", QStringLiteral("Next available race number for file:"));
    c.Text9 = NewTextBox(window, "Text9");
    c.Text9->setMaximumWidth(QFontMetrics(c.Text9->font()).horizontalAdvance(QString(10, 'M')));
    c.Label4->setBuddy(c.Text9);
    c.Command1 = NewButton(window, "Command1", QStringLiteral("&Add to File"));
    c.Command1->setEnabled(false);
    c.Command6 = NewButton(window, "Command6", QStringLiteral("&Help"));
    c.Command3 = NewButton(window, "Command3", QStringLiteral("&Close"));
    auto* layout = new QHBoxLayout;
    layout->addWidget(c.Label4);
    layout->addWidget(c.Text9);
    layout->addWidget(c.Command1);
    layout->addStretch();
    layout->addWidget(c.Command6);
    layout->addWidget(c.Command3);
    return layout;
}

}  // namespace

FileAccessControls CreateFileAccessControls(QWidget* window) {
    FileAccessControls c;
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(FileRow(window, c));
    layout->addLayout(ListArea(window, c));
    c.Label2 = NewTableLabel(window, "Label2", QString::fromLatin1(kEntryHeading));
    layout->addWidget(c.Label2);
    layout->addWidget(EntryRow(window, c));
    layout->addLayout(AddRow(window, c));
    return c;
}

}  // namespace kestrova
