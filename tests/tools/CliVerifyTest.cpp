// verify and send --strict: an EAN-13 of the smallest module reads at "200dpi"
// but not at "100dpi", where two canvas columns become one printer column.
#include "editor/TemplateFile.h"
#include "model/FieldPlacement.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString saveBarcode(const QTemporaryDir& dir, const QString& resolution) {
    MessageTemplate message;
    Barcode& barcode = *placeField(message, csBarCode, 40, 0).asBarcode();
    barcode.SetBar_CodeType(EAN_13);
    barcode.SetBar_ModuleWidth(SC0);
    barcode.SetBar_Caption("690123456789");
    const QString path = dir.filePath(resolution + ".spt");
    saveTemplate(message, TemplateAttributes{512, 128, 1, resolution}, path);
    return path;
}
} // namespace

TEST(CliVerify, BarcodeReadsAtTwoHundredDpiAndIsFlaggedAtOneHundred) {
    QTemporaryDir dir;
    const CliRun sharp = runCli({"verify", saveBarcode(dir, "200dpi")});
    EXPECT_EQ(sharp.exitCode, 0);
    EXPECT_EQ(sharp.out, QStringList{"ControlNo0 EAN_13 6901234567892: readable"}); // check digit 2 by hand
    const CliRun squeezed = runCli({"verify", saveBarcode(dir, "100dpi")});
    EXPECT_EQ(squeezed.exitCode, 1);
    EXPECT_EQ(squeezed.out, QStringList{"ControlNo0 EAN_13 6901234567892: not readable"});
}

TEST(CliVerify, StrictSendRefusesAndNothingReachesThePrinter) {
    QTemporaryDir dir;
    const QString path = saveBarcode(dir, "100dpi");
    PrinterProcess printer;
    const CliRun strict = runCli({"send", path, "--strict", "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(strict.exitCode, 2);
    EXPECT_TRUE(strict.err.startsWith("barcode not readable at this resolution: ControlNo0")) << qPrintable(strict.err);
    EXPECT_TRUE(printer.received().isEmpty());

    const CliRun warned = runCli({"send", path, "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(warned.exitCode, 0) << qPrintable(warned.err);
    EXPECT_TRUE(warned.err.startsWith("warning: barcode not readable")) << qPrintable(warned.err);
    EXPECT_FALSE(printer.receivedAtLeast(5).isEmpty()); // background and four settings frames
}

TEST(CliVerify, AFieldOutsideThePrintAreaWarnsAndStrictRefuses) {
    QTemporaryDir dir;
    MessageTemplate message;
    placeField(message, csStr, 0, 0);
    placeField(message, csBarCode, 40, 0); // the default EAN-13 is 141 dots high: its digits lie below row 127
    const QString path = dir.filePath("tall.spt");
    saveTemplate(message, TemplateAttributes{512, 128, 1, "200dpi"}, path);
    PrinterProcess printer;
    const QString said = QStringLiteral("outside the 128-dot print area: 条码（X 40，Y 0）");
    const CliRun strict = runCli({"send", path, "--strict", "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(strict.exitCode, 2);
    EXPECT_EQ(strict.err.trimmed(), said);
    EXPECT_TRUE(printer.received().isEmpty());

    const CliRun warned = runCli({"send", path, "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(warned.exitCode, 0) << qPrintable(warned.err);
    EXPECT_EQ(warned.err.trimmed(), QStringLiteral("warning: ") + said);
    EXPECT_EQ(printer.receivedAtLeast(7).size(), 7); // three background chunks and four settings frames
}
