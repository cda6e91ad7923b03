// The print preview of the widest message: a 20000-dot template at 400 dpi
// (40000 columns on the print head) holding 65 elements of every kind, sent
// through the frames a send emits, printed and stacked for 1, 3, 30 and 100
// prints; and the growth with the template's width. Each beside the
// dot-by-dot reading the tests compare the printing with (DotReference).
#include "DotReference.h"
#include "WidestTemplate.h"
#include "link/MessageRender.h"
#include "link/SendMessage.h"
#include "printsim/FrameReader.h"
#include "printsim/PrintPreview.h"
#include "printsim/PrinterState.h"

#include <benchmark/benchmark.h>

namespace {

const QDateTime kAt(QDate(2026, 12, 31), QTime(23, 59));

// The frames a send of the widest template of that width emits.
QByteArray widestFrames(int width) {
    MessageTemplate m;
    fillWidest(m, width);
    return messageFrames(planMessage(m, SendSettings{width, 1, "400dpi", kBenchDpis, 1}));
}

template <bool rows> QImage preview(const QByteArray& frames, int count) {
    if constexpr (rows) return previewPrints(frames, kAt, count).sheet;
    return dotref::stackPrints(dotref::previewPrints(frames, kAt, count));
}

template <bool rows> void BM_PreviewWidest(benchmark::State& state) {
    const QByteArray frames = widestFrames(20000);
    for (auto _ : state) benchmark::DoNotOptimize(preview<rows>(frames, int(state.range(0))).constBits());
}
BENCHMARK(BM_PreviewWidest<true>)
    ->name("BM_PreviewWidest/rows")
    ->Arg(1)
    ->Arg(3)
    ->Arg(30)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewWidest<false>)
    ->name("BM_PreviewWidest/dots")
    ->Arg(1)
    ->Arg(3)
    ->Arg(30)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

// Three prints of templates 1000, 5000 and 20000 dots wide.
template <bool rows> void BM_PreviewWidth(benchmark::State& state) {
    const QByteArray frames = widestFrames(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(preview<rows>(frames, 3).constBits());
}
BENCHMARK(BM_PreviewWidth<true>)
    ->name("BM_PreviewWidth/rows")
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewWidth<false>)
    ->name("BM_PreviewWidth/dots")
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

// The virtual printer taking the widest message: cutting the frames, putting
// the background together and printing the message once it is complete. A
// 115200 bit/s line brings 11520 bytes a second; bytes_per_second must stay
// far above that.
void BM_PrinterTakesWidestMessage(benchmark::State& state) {
    const QByteArray frames = widestFrames(20000);
    for (auto _ : state) {
        FrameReader reader;
        reader.feed(frames);
        PrinterState printer([] { return kAt; });
        for (const ReadFrame& frame : reader.takeFrames()) printer.apply(frame);
        for (const PrinterEvent& event : printer.takeEvents())
            if (event.kind == PrinterEvent::MessageReady)
                benchmark::DoNotOptimize(printMessage(*printer.message(event.templateNumber), kAt).picture.constBits());
    }
    state.SetBytesProcessed(state.iterations() * frames.size());
}
BENCHMARK(BM_PrinterTakesWidestMessage)->Unit(benchmark::kMillisecond);

} // namespace
