// Opening a template of 65 barcodes, and the INI dialect read and written at
// growing section counts (its growth should stay linear).
#include "common/IniFile.h"
#include "editor/TemplateFile.h"
#include "model/FieldPlacement.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_OpenSixtyFiveBarcodes(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("barcodes.spt"));
    {
        MessageTemplate m;
        for (int n = 0; n <= MessageTemplate::kLastAddressable; ++n) placeField(m, csBarCode, n * 300, 0);
        saveTemplate(m, {20000, 128, 1, QStringLiteral("200dpi")}, path);
    }
    for (auto _ : state) {
        MessageTemplate m;
        loadTemplate(m, path, {});
        benchmark::DoNotOptimize(m.selectedElement());
    }
}
BENCHMARK(BM_OpenSixtyFiveBarcodes)->Unit(benchmark::kMillisecond);

// A barcode-like section: eight keys.
const char* const kKeys[] = {"ConStyle",      "BarCodeType",  "Rotation",      "ModuleWidth",
                             "HeightPercent", "BarCodeValue", "Humanreadable", "Left"};

IniFile writtenIni(int sections) {
    IniFile ini;
    for (int s = 0; s < sections; ++s) {
        const QString name = QStringLiteral("csBarCode%1").arg(s);
        for (const char* key : kKeys) ini.writeInteger(name, QLatin1String(key), s);
    }
    return ini;
}

void BM_IniWrite(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(writtenIni(static_cast<int>(state.range(0))).toBytes());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_IniWrite)->RangeMultiplier(4)->Range(100, 6400)->Complexity()->Unit(benchmark::kMillisecond);

void BM_IniRead(benchmark::State& state) {
    const int sections = static_cast<int>(state.range(0));
    const QByteArray bytes = writtenIni(sections).toBytes();
    for (auto _ : state) {
        const IniFile ini = IniFile::fromBytes(bytes);
        long long sum = 0;
        for (int s = 0; s < sections; ++s) {
            const QString name = QStringLiteral("CSBARCODE%1").arg(s); // names match without regard to case
            for (const char* key : kKeys) sum += ini.readInteger(name, QLatin1String(key), 0);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(sections);
}
BENCHMARK(BM_IniRead)->RangeMultiplier(4)->Range(100, 6400)->Complexity()->Unit(benchmark::kMillisecond);

} // namespace
