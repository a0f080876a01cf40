#pragma once

#include <array>
#include <vector>

#include <QString>

#include "app/race_row.hpp"

class QFontMetrics;
class QLabel;
class QWidget;

namespace kestrova {

inline constexpr const char* kRaceRowsHeading =
    "    Use?        Hours     Minutes     Seconds      Number           Units";

// One word of the heading and where it lies on the heading label, in pixels from its left edge.
struct HeadingWord {
    int left = 0;
    int width = 0;
    int Center() const { return left + width / 2; }
};

// The words of a heading line as the given font lays them out.
std::vector<HeadingWord> HeadingWords(const QString& heading, const QFontMetrics& metrics);

struct RaceRowsPanel {
    QWidget* widget = nullptr;
    QLabel* heading = nullptr;
    std::array<RaceRowWidgets, kRaceRowCount> rows{};
};

// The heading and the five race rows below it. Each row's check box and four boxes sit centred
// under their heading word, and the unit buttons start under "Units", measured with the
// window's font so the columns stay under their words at any font size or scaling.
RaceRowsPanel CreateRaceRowsPanel(QWidget* parent);

}  // namespace kestrova
