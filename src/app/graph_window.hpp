#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "app/window_context.hpp"
#include "output/canvas.hpp"
#include "painting/canvas_image_file.hpp"

class QAction;
class QPushButton;

namespace kestrova {

class Dialogs;

// The drawing area of the graph window: white, with the drawing it was last given, painted anew
// whenever it needs to be (uncovered, moved to another screen). Its context menu (right click,
// or the menu key) offers "Save Image…".
class GraphView : public QWidget {
    Q_OBJECT

  public:
    explicit GraphView(QWidget* parent = nullptr);

    // Shows this drawing instead of the one shown: a new drawing is never drawn over an older.
    void Show(const Canvas& drawing);
    const Canvas& Drawing() const { return drawing_; }
    QAction* SaveImageAction() const { return saveImage_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Canvas drawing_;
    QAction* saveImage_;
};

// The window "graphform", "Pace versus distance": the graph's drawing area, 9090 x 5760 twips,
// with "Print" (Command2) and "Close" (Command1) in a row at the right under it, never over the
// drawing. "Print" prints the drawing alone under a title line with the runner's name and the
// date.
class GraphWindow : public QWidget {
    Q_OBJECT

  public:
    // `runnerName` gives the main window's runner's name when the graph is printed;
    // `imageModule` is the image library that paints its image files.
    GraphWindow(QWidget* owner, Dialogs& dialogs, Notifier& notifier,
                std::function<std::string()> runnerName, std::filesystem::path imageModule);

    GraphView& View() { return *view_; }

    // Saves what the window shows as an image file, a PNG at the window's device pixel ratio (as
    // sharp as on screen) or an SVG, painted by the image library. Tells the notifier when it
    // fails (the library missing, too).
    bool SaveImage(const QString& path, CanvasImageFormat format);

    // The title line the graph is printed under, with today's date.
    QString PrintTitle() const;

  protected:
    bool event(QEvent* event) override;

  private:
    void SizeInTwips();
    void AskAndSaveImage();
    void Print();

    Dialogs& dialogs_;
    Notifier& notifier_;
    std::function<std::string()> runnerName_;
    std::filesystem::path imageModule_;
    GraphView* view_;
    QPushButton* printButton_;
    QPushButton* closeButton_;
};

// The main window's "Graph": draws the pace-versus-distance graph of the state's curve (scale
// and units of the "Graph options" menus, the main window's comparison level) in the open graph
// window, or a new one, which from then on draws it anew after every Calculate and every change
// of the graph options (the out-of-date text after a Calculate that stopped). When the graph
// cannot be drawn, the notifier says why and no window opens (nothing is returned).
GraphWindow* ShowGraphWindow(const WindowContext& context);

}  // namespace kestrova
