#include "app/graph_window.hpp"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>
#include <utility>

#include "app/dialogs.hpp"
#include "app/follow_session.hpp"
#include "app/graph_printing.hpp"
#include "app/open_or_raise.hpp"
#include "app/widget_builder.hpp"
#include "app/window_printing.hpp"
#include "files/safe_save.hpp"
#include "output/pace_graph.hpp"
#include "output/pace_graph_frame.hpp"
#include "painting/canvas_painter.hpp"
#include "painting/image_module_loader.hpp"
#include "session/session.hpp"

namespace kestrova {
namespace {

// The buttons' size in twips.
constexpr double kButtonWidth = 855.0;
constexpr double kButtonHeight = 375.0;

// Where the out-of-date text stands on the graph (twips), in black.
constexpr double kOutOfDateLeft = 1440.0;
constexpr double kOutOfDateTop = 1440.0;
constexpr int kOutOfDateColour = pace_graph::kBlack;

const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kSvgFilter = QStringLiteral("SVG image (*.svg)");

// Twips as whole pixels of the widget's screen. The window's twip positions are a few thousand
// and screen resolutions a few hundred dots per inch, so the results fit an int.
int Pixels(double twips, int dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

QRect TwipRect(const QWidget& widget, double left, double top, double width, double height) {
    const int dpiX = widget.logicalDpiX();
    const int dpiY = widget.logicalDpiY();
    return {Pixels(left, dpiX), Pixels(top, dpiY), Pixels(width, dpiX), Pixels(height, dpiY)};
}

}  // namespace

GraphView::GraphView(QWidget* parent)
    : QWidget(parent),
      drawing_(kGraphWidth, kGraphHeight),
      saveImage_(new QAction(QStringLiteral("&Save Image…"), this)) {
    setObjectName(QStringLiteral("graph"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    saveImage_->setObjectName(QStringLiteral("saveImage"));
    addAction(saveImage_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setFocusPolicy(Qt::ClickFocus);
}

void GraphView::Show(const Canvas& drawing) {
    drawing_ = drawing;
    update();
}

void GraphView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintCanvas(painter, drawing_);
}

GraphWindow::GraphWindow(QWidget* owner, Dialogs& dialogs, Notifier& notifier,
                         std::function<std::string()> runnerName, std::filesystem::path imageModule)
    : QWidget(owner, Qt::Window),
      dialogs_(dialogs),
      notifier_(notifier),
      runnerName_(std::move(runnerName)),
      imageModule_(std::move(imageModule)),
      view_(new GraphView(this)),
      printButton_(NewButton(this, QStringLiteral("Command2"), QStringLiteral("Print"))),
      closeButton_(NewButton(this, QStringLiteral("Command1"), QStringLiteral("Close"))) {
    setObjectName(QStringLiteral("graphform"));
    setWindowTitle(QStringLiteral("Pace versus distance"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The drawing fills the window's top; the buttons stand in a row under it, at the right.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    auto* row = new QVBoxLayout;
    row->setContentsMargins(6, 6, 6, 6);
    row->addLayout(buttons);
    layout->addLayout(row);
    SizeInTwips();
    resize(sizeHint());
    connect(printButton_, &QPushButton::clicked, this, &GraphWindow::Print);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(view_->SaveImageAction(), &QAction::triggered, this, &GraphWindow::AskAndSaveImage);
}

// The drawing area is 9090 x 5760 twips, the buttons 855 x 375, at the screen's resolution.
void GraphWindow::SizeInTwips() {
    view_->setMinimumSize(TwipRect(*this, 0.0, 0.0, kGraphWidth, kGraphHeight).size());
    const QSize button = TwipRect(*this, 0.0, 0.0, kButtonWidth, kButtonHeight).size();
    for (QPushButton* each : {printButton_, closeButton_}) {
        each->setMinimumSize(button.expandedTo(each->sizeHint()));
    }
}

bool GraphWindow::event(QEvent* event) {
    // On a screen of another resolution the twips come out as other pixel counts.
    if (event->type() == QEvent::ScreenChangeInternal) {
        SizeInTwips();
    }
    return QWidget::event(event);
}

QString GraphWindow::PrintTitle() const {
    const std::string name = runnerName_ ? runnerName_() : std::string();
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    return QString::fromStdString(GraphTitleLine(name, date));
}

// The print dialog, then the drawing alone under its title line.
void GraphWindow::Print() {
    WithButtonsDisabled({printButton_, closeButton_}, [this] {
        const auto printer = ChoosePrinter(dialogs_, windowTitle(), this, notifier_);
        if (!printer) {
            return false;
        }
        if (!PrintGraphOn(*printer, view_->Drawing(), PrintTitle())) {
            notifier_.Show("The graph could not be printed on the printer chosen.");
            return false;
        }
        return true;
    });
}

bool GraphWindow::SaveImage(const QString& path, CanvasImageFormat format) {
    std::string bytes;
    std::optional<std::string> failure = CanvasImageBytesFromModule(
        imageModule_, view_->Drawing(), format, devicePixelRatioF(), bytes);
    if (!failure) {
        failure = SaveFileSafely(QFile::encodeName(path).toStdString(), bytes);
    }
    if (failure) {
        notifier_.Show("The image could not be saved in " + path.toStdString() + ": " + *failure +
                       ".");
        return false;
    }
    return true;
}

// The file dialog; its filter decides the kind of image, and a name without that kind's ending
// gets it.
void GraphWindow::AskAndSaveImage() {
    const Dialogs::SaveChoice choice = dialogs_.ChooseSaveFile(
        this, QStringLiteral("Save Image"), QStringLiteral("graph.png"), {kPngFilter, kSvgFilter});
    QString path = choice.path;
    if (path.isEmpty()) {
        return;
    }
    const bool svg = choice.filter == kSvgFilter;
    const QString ending = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!path.endsWith(ending, Qt::CaseInsensitive)) {
        path += ending;
    }
    SaveImage(path, svg ? CanvasImageFormat::Svg : CanvasImageFormat::Png);
}

namespace {

// The graph of the context's curve, or the out-of-date text when the last Calculate stopped;
// nothing when the graph cannot be drawn (the notifier says why).
std::optional<Canvas> GraphDrawing(const WindowContext& context) {
    Canvas drawing(kGraphWidth, kGraphHeight);
    if (FitIsOutOfDate(context)) {
        drawing.Text(kOutOfDateLeft, kOutOfDateTop, kOutOfDateText, kOutOfDateColour);
        return drawing;
    }
    if (!DrawPaceGraph(context.state, context.formInputs().HScroll2, drawing, context.notifier)) {
        return std::nullopt;
    }
    return drawing;
}

}  // namespace

GraphWindow* ShowGraphWindow(const WindowContext& context) {
    const std::optional<Canvas> drawing = GraphDrawing(context);
    if (!drawing) {
        return nullptr;
    }
    QWidget* owner = context.owner;
    const std::function<MainFormInputs()> formInputs = context.formInputs;
    GraphWindow* window = OpenOrRaise<GraphWindow>(owner, [&context, owner, formInputs] {
        auto* created = new GraphWindow(
            owner, DialogsOf(context), context.notifier,
            [formInputs] { return formInputs().txtname; }, context.imageModule);
        FollowSession(*created, context, Follow::FitAndOptions, [created, context] {
            if (const std::optional<Canvas> redrawn = GraphDrawing(context)) {
                created->View().Show(*redrawn);
            }
        });
        return created;
    });
    window->View().Show(*drawing);
    return window;
}

}  // namespace kestrova
