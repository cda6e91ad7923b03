// Encoding and drawing one symbol, the element's own redraw beside libzint's
// ZBarcode_Encode_and_Buffer on the same data at the same module width (one
// pixel), human-readable text on in both.
#include "barcode/Barcode.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <zint.h>

namespace {

struct Sample {
    const char* name;
    int ours; // btCodeTypes
    int zint; // libzint symbology
    const char* caption;
    const char* zintData; // the same symbol as libzint wants its data
};

// Codabar: our element adds the start and stop characters A itself.
const Sample kSamples[] = {
    {"EAN13", EAN_13, BARCODE_EANX, "1234567890128", "123456789012"},
    {"Code128", CODE128_B, BARCODE_CODE128, "Daviduv-4711", "Daviduv-4711"},
    {"Code39", CODE39, BARCODE_CODE39, "DAVIDUV4711", "DAVIDUV4711"},
    {"Interleaved25", CODE25i, BARCODE_C25INTER, "1234567890", "1234567890"},
    {"Codabar", Codabar, BARCODE_CODABAR, "40156", "A40156A"},
};

void BM_OursEncodeAndDraw(benchmark::State& state) {
    const Sample& s = kSamples[state.range(0)];
    Barcode b;
    b.SetBar_CodeType(s.ours);
    b.SetBar_ModuleWidth(SC2);
    b.SetBar_Caption(QByteArray(s.caption));
    for (auto _ : state) {
        b.paint();
        benchmark::DoNotOptimize(b.picture().constBits());
    }
    state.SetLabel(QStringLiteral("%1 %2x%3").arg(s.name).arg(b.Width()).arg(b.Height()).toStdString());
}
BENCHMARK(BM_OursEncodeAndDraw)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// A different value on every draw, so no text rendering can be reused.
void BM_OursFreshText(benchmark::State& state) {
    Barcode b;
    b.SetBar_CodeType(EAN_13);
    b.SetBar_ModuleWidth(SC2);
    long long n = 100000000000LL;
    for (auto _ : state) {
        b.SetBar_Caption(QByteArray::number(++n));
        benchmark::DoNotOptimize(b.picture().constBits());
    }
}
BENCHMARK(BM_OursFreshText)->Unit(benchmark::kMicrosecond);

void BM_ZintEncodeAndBuffer(benchmark::State& state) {
    const Sample& s = kSamples[state.range(0)];
    int width = 0, height = 0;
    for (auto _ : state) {
        zint_symbol* z = ZBarcode_Create();
        z->symbology = s.zint;
        z->scale = 0.5f; // one pixel per module in raster output
        const int error = ZBarcode_Encode_and_Buffer(z, reinterpret_cast<const unsigned char*>(s.zintData),
                                                     static_cast<int>(std::strlen(s.zintData)), 0);
        if (error >= ZINT_ERROR) state.SkipWithError(z->errtxt);
        benchmark::DoNotOptimize(z->bitmap);
        width = z->bitmap_width;
        height = z->bitmap_height;
        ZBarcode_Delete(z);
    }
    state.SetLabel(QStringLiteral("%1 %2x%3").arg(s.name).arg(width).arg(height).toStdString());
}
BENCHMARK(BM_ZintEncodeAndBuffer)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

} // namespace
