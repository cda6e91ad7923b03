// Rendering, scaling and packing the widest message: a 20000-dot template at
// 400 dpi (40000 columns) holding 65 elements of every kind.
#include "link/BackgroundPacking.h"
#include "link/MessageRender.h"
#include "model/FieldPlacement.h"

#include <benchmark/benchmark.h>

namespace {

void fillWidest(MessageTemplate& m) {
    for (int n = 0; n <= MessageTemplate::kLastAddressable; ++n) {
        const eStyle kind = kAllFieldKinds[n % kAllFieldKinds.size()];
        placeField(m, kind, n * 300, (n * 37) % 64);
    }
}

const SendSettings kWidest{20000, 1, "400dpi", {"100dpi", "200dpi", "300dpi", "400dpi"}, 1};

void BM_RenderWidestMessage(benchmark::State& state) {
    MessageTemplate m;
    fillWidest(m);
    for (auto _ : state) benchmark::DoNotOptimize(renderMessage(m, kWidest.width));
}
BENCHMARK(BM_RenderWidestMessage)->Unit(benchmark::kMillisecond);

// Scaling to 400 dpi (40000 columns) and packing, without the rendering.
void BM_ScaleAndPackWidest(benchmark::State& state) {
    MessageTemplate m;
    fillWidest(m);
    const QImage background = renderMessage(m, kWidest.width).background;
    for (auto _ : state) benchmark::DoNotOptimize(packColumns(scaleColumns(background, 2 * kWidest.width)).data());
}
BENCHMARK(BM_ScaleAndPackWidest)->Unit(benchmark::kMillisecond);

void BM_PlanWidestMessage(benchmark::State& state) {
    MessageTemplate m;
    fillWidest(m);
    for (auto _ : state) {
        const MessagePlan plan = planMessage(m, kWidest);
        benchmark::DoNotOptimize(plan.packed.data());
    }
    state.SetBytesProcessed(state.iterations() * 40000 * 16);
}
BENCHMARK(BM_PlanWidestMessage)->Unit(benchmark::kMillisecond);

} // namespace
