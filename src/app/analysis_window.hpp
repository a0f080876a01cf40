#pragma once

#include <QWidget>

#include "app/window_context.hpp"

class QPushButton;

namespace kestrova {

class TextCanvas;

// The "Analysis" window (anaform): the training and specialization analysis of the runner's curve
// on a fixed-pitch canvas, with "Close" (Command3) and "Help" (Command2), which shows the help
// text "Analysis".
class AnalysisWindow : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisWindow(QWidget* owner = nullptr);

    // Clears the canvas and writes the analysis of the state's curve on it.
    void ShowAnalysis(ModelState& state);
    // Clears the canvas and writes the analysis of the context's curve, or the out-of-date text
    // when the last Calculate stopped.
    void ShowFrom(const WindowContext& context);

    TextCanvas& Canvas() { return *canvas_; }

  private:
    TextCanvas* canvas_;
    QPushButton* closeButton_;
    QPushButton* helpButton_;
};

// The main window's "Analyze": opens the analysis window (one at most, a top-level window that is
// deleted when closed), brings it to the front, clears it and writes the analysis on it; from
// then on it follows every Calculate. Returns the window.
AnalysisWindow* ShowAnalysisWindow(const WindowContext& context);

}  // namespace kestrova
