#include "app/analysis_window.hpp"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/training_analysis.hpp"
#include "app/follow_session.hpp"
#include "app/help_window.hpp"
#include "app/open_or_raise.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "model/model_state.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

// Room for the analysis' longest line and all its lines.
constexpr int kCanvasColumns = 86;
constexpr int kCanvasLines = 16;

}  // namespace

AnalysisWindow::AnalysisWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      canvas_(new TextCanvas(this)),
      closeButton_(NewButton(this, "Command3", "Close")),
      helpButton_(NewButton(this, "Command2", "Help")) {
    setObjectName("anaform");
    setWindowTitle("Analysis");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");

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
    connect(helpButton_, &QPushButton::clicked, this,
            [owner] { OpenHelpTopic(owner, HelpTopic::Analysis); });
}

void AnalysisWindow::ShowAnalysis(ModelState& state) {
    canvas_->Clear();
    RunTrainingAnalysis(state, kAnalysisWindowTarget, *canvas_);
    canvas_->Flush();
}

void AnalysisWindow::ShowFrom(const WindowContext& context) {
    if (!FitIsOutOfDate(context)) {
        ShowAnalysis(context.state);
        return;
    }
    canvas_->Clear();
    WriteOutOfDate(*canvas_);
    canvas_->Flush();
}

AnalysisWindow* ShowAnalysisWindow(const WindowContext& context) {
    QWidget* owner = context.owner;
    AnalysisWindow* window = OpenOrRaise<AnalysisWindow>(owner, [&context, owner] {
        auto* created = new AnalysisWindow(owner);
        FollowSession(*created, context, Follow::Fit,
                      [created, context] { created->ShowFrom(context); });
        return created;
    });
    window->ShowFrom(context);
    return window;
}

}  // namespace kestrova
