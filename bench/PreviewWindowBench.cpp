// The print preview window on the widest template (20000 dots at 400 dpi, 65
// elements): one refresh for three prints after the time box changed, from
// the change until the new prints are on show and painted, with the growth of
// the resident memory over the 20 refreshes; and a refresh after a field moved
// (the send is planned again on the window's thread).
#include "WidestTemplate.h"
#include "common/FontSetup.h"
#include "shell/PrintPreviewWindow.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QFile>
#include <QSignalSpy>
#include <benchmark/benchmark.h>

namespace {

const SendSettings kWidest{20000, 1, "400dpi", kBenchDpis, 1};

double residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    return statm.readAll().split(' ').value(1).toDouble() * 4; // pages of 4 KiB
}

template <typename Change> void refreshAfter(benchmark::State& state, Change change) {
    MessageTemplate model;
    fillWidest(model, kWidest.width);
    PrintPreviewWindow window(model, [&] { return planMessage(model, kWidest); });
    window.setSettleMs(0);
    QSignalSpy shown(&window, &PrintPreviewWindow::shown);
    window.show();
    shown.wait(120000);
    QApplication::processEvents();
    double before = 0;
    int step = 0;
    for (auto _ : state) {
        change(window, model, ++step);
        shown.wait(120000);
        window.repaint();
        if (step == 1) before = residentKb();
    }
    state.counters["rssGrowthKB"] = residentKb() - before;
}

void BM_PreviewWindowTimeChange(benchmark::State& state) {
    refreshAfter(state, [](PrintPreviewWindow& window, MessageTemplate&, int step) {
        auto* at = window.findChild<QDateTimeEdit*>(QStringLiteral("DateTime_PreviewAt"));
        at->setDateTime(QDateTime(QDate(2026, 12, 31), QTime(0, 0)).addSecs(60 * step));
    });
}
BENCHMARK(BM_PreviewWindowTimeChange)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_PreviewWindowFieldMoved(benchmark::State& state) {
    refreshAfter(state, [](PrintPreviewWindow&, MessageTemplate& model, int step) {
        FieldElement& moved = *model.find(32);
        model.moveTo(moved, moved.Left() + (step % 2 ? 1 : -1), moved.Top());
    });
}
BENCHMARK(BM_PreviewWindowFieldMoved)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
