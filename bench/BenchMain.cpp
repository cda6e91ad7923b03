// The main of the benchmarks that draw without widgets: an offscreen
// QGuiApplication with the program's font substitutions, then every benchmark.
#include "common/FontSetup.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
