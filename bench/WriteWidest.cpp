// Writes the widest template (20000 dots at 400 dpi, 65 elements) as a .spt
// file, so that the command-line preview of it can be measured:
//   bench_write_widest widest.spt && daviduv-cli preview widest.spt --at ... --count 100 --out sheet.png
#include "WidestTemplate.h"
#include "common/FontSetup.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    if (argc != 2) return std::fputs("usage: bench_write_widest FILE.spt\n", stderr), 2;
    MessageTemplate m;
    fillWidest(m, 20000);
    saveTemplate(m, widestAttributes(20000), QString::fromLocal8Bit(argv[1]));
    return 0;
}
