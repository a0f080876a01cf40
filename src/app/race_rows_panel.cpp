#include "app/race_rows_panel.hpp"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/widget_builder.hpp"

namespace kestrova {
namespace {

// The heading's words: "Use?", "Hours", "Minutes", "Seconds", "Number", "Units".
constexpr std::size_t kHeadingWordCount = 6;
constexpr std::size_t kUnitsWord = 5;

// A time or number box shows about five characters ("58.3", "1600"); longer texts scroll.
constexpr int kBoxCharacters = 5;

// Widths of the row's cells: the check box, the four boxes (at least as wide as their heading
// word) and the unit frame, which takes what is left.
std::array<int, kHeadingWordCount> CellWidths(const RaceRowWidgets& sample,
                                              const std::vector<HeadingWord>& words) {
    std::array<int, kHeadingWordCount> widths{};
    widths[0] = sample.Check1->sizeHint().width();
    const QFontMetrics metrics = sample.Text1->fontMetrics();
    const int boxWidth = metrics.horizontalAdvance(QString(kBoxCharacters + 2, QLatin1Char('0')));
    for (std::size_t i = 1; i < kUnitsWord; ++i) {
        widths[i] =
            std::max(boxWidth, words[i].width + metrics.horizontalAdvance(QLatin1Char('0')));
    }
    return widths;
}

// Lays out one row: a gap before each cell places the cell's centre under its heading word (or,
// for the unit frame, its left edge under "Units"). A cell that cannot reach its place because
// the one before is too wide follows straight after it.
void LayOutRow(const RaceRowWidgets& row, const std::vector<HeadingWord>& words,
               const std::array<int, kHeadingWordCount>& widths, QVBoxLayout* rows) {
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    const std::array<QWidget*, kHeadingWordCount> cells = {row.Check1, row.Text1, row.Text2,
                                                           row.Text3,  row.Text4, row.Frame1};
    int x = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool units = i == kUnitsWord;
        const int left = units ? words[i].left : words[i].Center() - widths[i] / 2;
        line->addSpacing(std::max(0, left - x));
        x = std::max(x, left);
        if (!units) {
            cells[i]->setFixedWidth(widths[i]);
            x += widths[i];
        }
        line->addWidget(cells[i]);
    }
    line->addStretch(1);
    rows->addLayout(line);
}

}  // namespace

std::vector<HeadingWord> HeadingWords(const QString& heading, const QFontMetrics& metrics) {
    std::vector<HeadingWord> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= heading.size(); ++i) {
        const bool blank = i == heading.size() || heading.at(i) == QLatin1Char(' ');
        if (!blank && start < 0) {
            start = i;
        } else if (blank && start >= 0) {
            words.push_back({metrics.horizontalAdvance(heading.left(start)),
                             metrics.horizontalAdvance(heading.mid(start, i - start))});
            start = -1;
        }
    }
    return words;
}

RaceRowsPanel CreateRaceRowsPanel(QWidget* parent) {
    RaceRowsPanel panel;
    panel.widget = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel.widget);
    layout->setContentsMargins(0, 0, 0, 0);
    panel.heading = NewLabel(panel.widget, QStringLiteral("RaceRowsHeading"),
                             QString::fromLatin1(kRaceRowsHeading));
    panel.heading->setIndent(0);
    panel.heading->setMargin(0);
    layout->addWidget(panel.heading);
    for (int row = 0; row < kRaceRowCount; ++row) {
        panel.rows[static_cast<std::size_t>(row)] = CreateRaceRow(row, panel.widget);
    }
    std::vector<HeadingWord> words =
        HeadingWords(panel.heading->text(), panel.heading->fontMetrics());
    words.resize(kHeadingWordCount);  // the heading has exactly these six words
    const std::array<int, kHeadingWordCount> widths = CellWidths(panel.rows[0], words);
    for (const RaceRowWidgets& row : panel.rows) {
        LayOutRow(row, words, widths, layout);
    }
    return panel;
}

}  // namespace kestrova
