// Decoding a picture for its field: a 4000 x 3000 photograph-sized JPEG into
// a 64 x 64 logo field (decoded at 1/8) and at full size, and the crafted
// progressive JPEG that claims 8192 x 8192 dots (refused from its header).
#include "model/FieldError.h"
#include "model/JpegReader.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

QByteArray photograph() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

void BM_DecodeForField(benchmark::State& state) {
    static const QByteArray bytes = photograph();
    const QSize field = state.range(0) ? QSize(int(state.range(0)), int(state.range(0))) : QSize();
    for (auto _ : state) benchmark::DoNotOptimize(decodeJpeg(bytes, field).width());
}
BENCHMARK(BM_DecodeForField)->Arg(64)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RefuseHugeProgressiveHeader(benchmark::State& state) {
    QFile file(QStringLiteral(DAVIDUV_SOURCE_DIR "/tests/data/model/progressive-8192x8192-cmyk.jpg"));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        try {
            decodeJpeg(bytes, QSize(64, 64));
        } catch (const FieldError&) {
        }
    }
}
BENCHMARK(BM_RefuseHugeProgressiveHeader)->Unit(benchmark::kMicrosecond);

} // namespace
