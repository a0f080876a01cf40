#include "app/analysis_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/training_analysis.hpp"
#include "app/text_canvas.hpp"
#include "model/model_state.hpp"

namespace kestrova {
namespace {

// Room for the analysis' longest line and all its lines.
constexpr int kCanvasColumns = 86;
constexpr int kCanvasLines = 16;

// The open analysis window, if any: a window is looked for among the owner's children, or among
// the application's windows when there is no owner.
AnalysisWindow* OpenAnalysisWindow(QWidget* owner) {
    const QList<AnalysisWindow*> candidates =
        owner != nullptr
            ? owner->findChildren<AnalysisWindow*>(QString(), Qt::FindDirectChildrenOnly)
            : QList<AnalysisWindow*>{};
    for (AnalysisWindow* window : candidates) {
        if (!window->IsClosing()) {
            return window;
        }
    }
    if (owner != nullptr) {
        return nullptr;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<AnalysisWindow*>(widget);
        if (window != nullptr && window->parent() == nullptr && !window->IsClosing()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

AnalysisWindow::AnalysisWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      canvas_(new TextCanvas(this)),
      closeButton_(new QPushButton("Close", this)),
      helpButton_(new QPushButton("Help", this)) {
    setObjectName("anaform");
    setWindowTitle("Analysis");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");
    closeButton_->setObjectName("Command3");
    helpButton_->setObjectName("Command2");
    helpButton_->setEnabled(false);

    const QFontMetrics metrics(canvas_->font());
    canvas_->setMinimumSize(metrics.horizontalAdvance(QString(kCanvasColumns, QChar('M'))),
                            metrics.lineSpacing() * kCanvasLines);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(helpButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_);
    layout->addLayout(buttons);

    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void AnalysisWindow::ShowAnalysis(ModelState& state) {
    canvas_->Clear();
    RunTrainingAnalysis(state, kAnalysisWindowTarget, *canvas_);
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QWidget::closeEvent(event);
}

AnalysisWindow* ShowAnalysisWindow(ModelState& state, QWidget* owner) {
    AnalysisWindow* window = OpenAnalysisWindow(owner);
    if (window == nullptr) {
        window = new AnalysisWindow(owner);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->ShowAnalysis(state);
    return window;
}

}  // namespace kestrova
