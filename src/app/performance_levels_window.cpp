#include "app/performance_levels_window.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs.hpp"
#include "app/follow_session.hpp"
#include "app/open_or_raise.hpp"
#include "app/table_window_parts.hpp"
#include "app/text_canvas.hpp"
#include "app/widget_builder.hpp"
#include "app/window_printing.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

// Room for every line of the tables (at most 102 characters and 31 lines) without scrolling,
// and for a scroll bar should a font be wider.
constexpr int kCanvasColumns = 104;
constexpr int kCanvasLines = 32;

}  // namespace

PerformanceLevelsWindow::PerformanceLevelsWindow(Dialogs& dialogs, Notifier& notifier,
                                                 QWidget* owner)
    : QWidget(owner, Qt::Window),
      dialogs_(dialogs),
      notifier_(notifier),
      canvas_(new TextCanvas(this)) {
    setObjectName("perflevform");
    setWindowTitle("Performance levels");
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_->setObjectName("canvas");
    SizeCanvas(*canvas_, kCanvasColumns, kCanvasLines);

    QPushButton* close = NewButton(this, "Command1", "&Close");
    QPushButton* print = NewButton(this, "Command2", "&Print");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this,
            [this, print] { PrintWithButtonsDisabled(*this, {print}, dialogs_, notifier_); });
}

void PerformanceLevelsWindow::ShowTable(const PerformanceTableRequest& request,
                                        const PerformanceTable& table) {
    request_ = request;
    table_ = table;
    WriteTable();
}

void PerformanceLevelsWindow::WriteTable() {
    setWindowTitle(QString::fromStdString(table_.caption));
    canvas_->Clear();
    WritePerformanceTable(table_, *canvas_);
    canvas_->Flush();
}

void PerformanceLevelsWindow::ShowOutOfDate(const PerformanceTableRequest& request) {
    request_ = request;
    table_.kind = request.kind;
    canvas_->Clear();
    WriteOutOfDate(*canvas_);
    canvas_->Flush();
}

void PerformanceLevelsWindow::FollowFit(const WindowContext& context) {
    if (table_.kind != PerformanceTableKind::Individual) {
        WriteTable();
    } else if (FitIsOutOfDate(context)) {
        ShowOutOfDate(request_);
    } else if (const std::optional<PerformanceTable> table = GeneratePerformanceTable(
                   context.state, request_, context.formInputs(), context.notifier)) {
        ShowTable(request_, *table);
    }
}

PerformanceLevelsWindow* ShowPerformanceLevelsWindow(const WindowContext& context,
                                                     const PerformanceTableRequest& request) {
    // The runner's own table would be an older runner's after a Calculate that stopped.
    const bool outOfDate =
        request.kind == PerformanceTableKind::Individual && FitIsOutOfDate(context);
    std::optional<PerformanceTable> table;
    if (!outOfDate) {
        table = GeneratePerformanceTable(context.state, request, context.formInputs(),
                                         context.notifier);
        if (!table) {
            return nullptr;
        }
    }
    QWidget* owner = context.owner;
    Notifier& notifier = context.notifier;
    Dialogs& dialogs = DialogsOf(context);
    PerformanceLevelsWindow* window = OpenOrRaise<PerformanceLevelsWindow>(owner, [&] {
        auto* created = new PerformanceLevelsWindow(dialogs, notifier, owner);
        FollowSession(*created, context, Follow::Fit,
                      [created, context] { created->FollowFit(context); });
        return created;
    });
    if (table) {
        window->ShowTable(request, *table);
    } else {
        window->ShowOutOfDate(request);
    }
    return window;
}

}  // namespace kestrova
