#include "app/graph_window.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/graph_printing.hpp"
#include "output/pace_graph.hpp"
#include "painting/canvas_image.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class GraphWindowTest : public test_support::WindowTest {
  protected:
    Canvas Drawing() {
        ModelState state = context_.State();
        Canvas canvas(kGraphWidth, kGraphHeight);
        RecordingNotifier ignored;
        DrawPaceGraph(state, context_.Form().HScroll2, canvas, ignored);
        return canvas;
    }
};

// The mean difference of two images' colour channels (0 to 255), the first brought to the
// second's size.
double MeanDifference(const QImage& image, const QImage& reference) {
    const QImage a = image.scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * b.width() * b.height());
}

TEST_F(GraphWindowTest, DrawsTheGraphWithPrintAndCloseUnderIt) {
    GraphWindow* window = ShowGraphWindow(context_.Context());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->View().Drawing().Items(), Drawing().Items());
    const int dpi = window->logicalDpiX();
    const QSize drawing(9090 * dpi / 1440, 5760 * window->logicalDpiY() / 1440);
    EXPECT_EQ(window->View().geometry().topLeft(), QPoint(0, 0));
    EXPECT_GE(window->View().width(), drawing.width());
    EXPECT_GE(window->View().height(), drawing.height());
    auto* print = window->findChild<QPushButton*>("Command2");
    auto* close = window->findChild<QPushButton*>("Command1");
    ASSERT_NE(print, nullptr);
    ASSERT_NE(close, nullptr);
    // The buttons stand under the drawing, at the right, Print before Close, none over another.
    for (const QPushButton* button : {print, close}) {
        EXPECT_GE(button->geometry().top(), window->View().geometry().bottom());
        EXPECT_TRUE(window->rect().contains(button->geometry()));
    }
    EXPECT_LT(print->geometry().right(), close->geometry().left());
    EXPECT_GT(print->geometry().left(), window->width() / 2);
    // What the window shows is the drawing painted on white, repainted from what it keeps.
    const QImage shown = window->View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage painted = CanvasImage(Drawing(), 1.0).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, painted.width(), painted.height()), painted);

    QPointer<GraphWindow> closing = window;
    close->click();
    test_support::DeleteClosedWindows();
    EXPECT_TRUE(closing.isNull());
}

// Graph again, or a change of the session's scale or units while the window is open, shows
// exactly what a fresh graph window would: nothing is drawn over the older drawing.
TEST_F(GraphWindowTest, GraphAgainAndOptionChangesDrawAnewInTheOpenWindow) {
    GraphWindow* first = ShowGraphWindow(context_.Context());
    context_.State().graphScale = 1;
    GraphWindow* second = ShowGraphWindow(context_.Context());
    EXPECT_EQ(second, first);
    EXPECT_EQ(context_.Owner()->findChildren<GraphWindow*>().size(), 1);
    EXPECT_EQ(second->View().Drawing().Items(), Drawing().Items());
    context_.TheSession().SetGraphScale(3);
    EXPECT_EQ(second->View().Drawing().Items(), Drawing().Items());
    context_.TheSession().SetGraphUnits("e");
    EXPECT_EQ(second->View().Drawing().Items(), Drawing().Items());
}

TEST_F(GraphWindowTest, AGraphThatCannotBeDrawnOpensNoWindow) {
    context_.State().aerobicPower = 100.0;
    context_.State().anaerobicEnergy = 0.0;
    EXPECT_EQ(ShowGraphWindow(context_.Context()), nullptr);
    EXPECT_TRUE(context_.Owner()->findChildren<GraphWindow*>().empty());
    ASSERT_EQ(context_.Notifier().Messages().size(), 1u);
}

// The printed graph is the drawing alone, under a title line with the runner's name and the
// date: the drawing's pixels are those of the drawing, and nothing else is on the page.
TEST_F(GraphWindowTest, PrintsTheDrawingUnderATitleLine) {
    context_.Form().txtname = "Ann Runner";
    GraphWindow* window = ShowGraphWindow(context_.Context());
    const QString title = window->PrintTitle();
    EXPECT_EQ(title.toStdString(), "Pace versus distance: Ann Runner, " +
                                       QDate::currentDate().toString(Qt::ISODate).toStdString());

    const QImage drawing = CanvasImage(Drawing(), 1.0).convertToFormat(QImage::Format_RGB32);
    QImage page(drawing.width() + 100, drawing.height() + 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(drawing.dotsPerMeterX());
    page.setDotsPerMeterY(drawing.dotsPerMeterY());
    {
        QPainter painter(&page);
        PaintGraphPage(painter, QSizeF(page.size()), Drawing(), title);
    }
    // The drawing starts under the title: find its top by its first grid line's row.
    int top = -1;
    for (int y = 0; y < page.height() - drawing.height() && top < 0; ++y) {
        if (page.copy(0, y, drawing.width(), drawing.height()) == drawing) {
            top = y;
        }
    }
    ASSERT_GT(top, 0);
    const auto inked = [&page](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(inked(QRect(0, 0, page.width(), top)));  // the title line
    EXPECT_FALSE(inked(QRect(0, top + drawing.height(), page.width(),
                             page.height() - top - drawing.height())));  // no buttons
    EXPECT_FALSE(inked(QRect(drawing.width(), top, 100, drawing.height())));
}

TEST_F(GraphWindowTest, PrintAsksForAPrinter) {
    GraphWindow* window = ShowGraphWindow(context_.Context());
    bool buttonsDisabled = false;
    context_.Dialogs().whilePrinterAsked = [&](QWidget*) {
        buttonsDisabled = !window->findChild<QPushButton*>("Command2")->isEnabled() &&
                          !window->findChild<QPushButton*>("Command1")->isEnabled();
    };
    window->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(context_.Dialogs().printerAsks, 1);
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_TRUE(window->findChild<QPushButton*>("Command2")->isEnabled());
    EXPECT_TRUE(context_.Notifier().Messages().empty());
}

TEST_F(GraphWindowTest, SaveImageWritesTheKindTheDialogFilterChooses) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    GraphWindow* window = ShowGraphWindow(context_.Context());
    const QString path = directory.filePath("graph");
    context_.Dialogs().saveAnswer = {path, "SVG image (*.svg)"};
    QAction* save = window->View().findChild<QAction*>("saveImage");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "&Save Image…");
    save->trigger();
    EXPECT_EQ(context_.Dialogs().offeredFilters,
              QStringList({"PNG image (*.png)", "SVG image (*.svg)"}));
    // The image library writes the very bytes the painting gives in this program.
    const auto painted = [&](CanvasImageFormat format) {
        return CanvasImageBytes(window->View().Drawing(), format, window->devicePixelRatioF());
    };
    QFile svg(path + ".svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll(), painted(CanvasImageFormat::Svg));
    ASSERT_TRUE(window->SaveImage(path + ".png", CanvasImageFormat::Png));
    QFile png(path + ".png");
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_EQ(png.readAll(), painted(CanvasImageFormat::Png));

    EXPECT_FALSE(window->SaveImage(directory.filePath("no-such-directory/graph.png"),
                                   CanvasImageFormat::Png));
    GraphWindow lost(
        nullptr, context_.Dialogs(), context_.Notifier(), [] { return ""; },
        directory.filePath("kestrova-image.so").toStdString());
    EXPECT_FALSE(lost.SaveImage(path + ".png", CanvasImageFormat::Png));
    const auto& messages = context_.Notifier().Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.rfind("The image could not be saved in ", 0), 0u);
    EXPECT_NE(messages[1].text.find(": cannot open the image library "), std::string::npos);
}

TEST(CanvasImage, TwiceTheDevicePixelRatioHasTheSameDrawing) {
    MainFormInputs form;
    ModelState state = test_support::CalculatedState(form);
    Canvas canvas(kGraphWidth, kGraphHeight);
    RecordingNotifier ignored;
    ASSERT_TRUE(DrawPaceGraph(state, 1000, canvas, ignored));
    const QImage single = CanvasImage(canvas, 1.0);
    const QImage twice = CanvasImage(canvas, 2.0);
    EXPECT_EQ(single.size(), QSize(606, 384));
    EXPECT_EQ(twice.size(), QSize(1212, 768));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    // Brought to the same size, the two differ far less than two different drawings do.
    state.graphScale = 1;
    Canvas other(kGraphWidth, kGraphHeight);
    ASSERT_TRUE(DrawPaceGraph(state, 1000, other, ignored));
    const double same = MeanDifference(twice, single);
    const double different = MeanDifference(CanvasImage(other, 1.0), single);
    EXPECT_LT(same, different / 4) << same << " " << different;
}

}  // namespace
}  // namespace kestrova
