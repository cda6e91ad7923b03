// The canvas's repaints: one step of dragging a field on the widest canvas holding the most fields:
// the move handled by the editor and the repaint of what it changed.
#include "model/FieldPlacement.h"
#include "shell/CanvasArea.h"
#include "shell/FieldLayer.h"
#include "shell/MainWindow.h"
#include "shell/Ruler.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void dragAcross(benchmark::State& state, bool wholeSurface) {
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), RegStore(dir.filePath("store.ini"))); // not the user's store
    window.canvasArea()->setCanvasWidth(20000);
    window.show();
    MessageTemplate& model = window.messageTemplate();
    for (int i = 0; i < 65; ++i) placeField(model, kAllFieldKinds[i % kFieldKindCount], i * 300, (i * 37) % 100);
    QApplication::processEvents();
    FieldLayer* layer = window.canvasArea()->fieldLayer();
    const FieldElement& dragged = *model.find(32); // a string in the middle of the strip
    const QPoint grip(dragged.Left() + 3, dragged.Top() + 3);
    window.canvasArea()->ensureVisible(72 + dragged.Left(), 108 + dragged.Top(), 200, 50);
    QApplication::processEvents();
    sendMouse(layer, QEvent::MouseButtonPress, grip);
    int step = 0;
    for (auto _ : state) {
        sendMouse(layer, QEvent::MouseMove, grip + QPoint(step % 40, step % 7));
        if (wholeSurface) layer->update();
        QApplication::processEvents();
        ++step;
    }
    state.counters["shown"] =
        layer->visibleRegion().intersects(QRect(dragged.Left(), dragged.Top(), dragged.Width(), dragged.Height()));
    sendMouse(layer, QEvent::MouseButtonRelease, grip);
}

void BM_DragStepRepaint(benchmark::State& state) {
    dragAcross(state, false);
}
// For comparison: the same step repainting all of the surface the window shows.
void BM_DragStepWholeSurface(benchmark::State& state) {
    dragAcross(state, true);
}
} // namespace

// A whole repaint of what the canvas area shows, zoomed, scrolled to the far
// end of the widest canvas: ruler, canvas and fields.
void repaintAtTheEnd(benchmark::State& state, int zoom) {
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), RegStore(dir.filePath("store.ini"))); // not the user's store
    CanvasArea* area = window.canvasArea();
    area->setCanvasWidth(20000);
    window.show();
    MessageTemplate& model = window.messageTemplate();
    for (int i = 0; i < 65; ++i) placeField(model, kAllFieldKinds[i % kFieldKindCount], i * 300, (i * 37) % 100);
    area->setZoom(zoom);
    QApplication::processEvents();
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(kPanelTop + 21 * zoom);
    QApplication::processEvents();
    PaintCounter rulerPaints(area->rulerPicture());
    // Rendered into an image of the viewport's size: the same painting a repaint
    // does, made synchronous and independent of the window system's update pace.
    QImage screen(area->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) area->viewport()->render(&screen);
    state.counters["zoom"] = area->zoom();
    state.counters["rulerPaints"] = rulerPaints.count;
}

void BM_RepaintAtTheEndZoom8(benchmark::State& state) {
    repaintAtTheEnd(state, 8);
}
void BM_RepaintAtTheEndZoom1(benchmark::State& state) {
    repaintAtTheEnd(state, 1);
}

BENCHMARK(BM_DragStepRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAtTheEndZoom8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAtTheEndZoom1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStepWholeSurface)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
