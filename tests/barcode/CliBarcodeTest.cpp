// daviduv-cli barcode: the PNG, the printed line and the refusals.
#include "barcode/Barcode.h"
#include "common/MonoImage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-cli"), QStringList{"barcode"} + args);
    if (!p.waitForFinished(30000)) return {-1, {}, {}};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(BarcodeCli, WritesThePictureAndPrintsItsSize) {
    QTemporaryDir dir;
    struct Case {
        QStringList args;
        QString line;
        const char* source;
    };
    const Case cases[] = {
        {{"--type", "EAN_13", "--caption", "1234567890128"},
         "116 83 1234567890128\n",
         "SC2 defaults, 13 + 69 + 1 high"},
        {{"--type", "EAN_13", "--caption", "1234567890128", "--rotation", "90"},
         "83 116 1234567890128\n",
         "turned: height and width exchanged"},
        {{"--type", "CODE39", "--caption", "A", "--no-text"}, "49 57 *A*\n", "48 modules + 1, 56 + 1"},
        {{"--type", "CODE39", "--caption", "中A", "--no-text"}, "81 57 *00A*\n", "the two GBK bytes of 中 become 0 0"},
        {{"--type", "CODE128_C", "--caption", "12345", "--module", "SC5", "--height", "50", "--no-text"},
         "159 57 \\x89,B\\x855Y\\x8a\n",
         "79 modules of 2 + 1; L 112, G 56"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const QString png = dir.filePath("out.png");
        QFile::remove(png);
        const CliRun r = runCli(c.args + QStringList{"--out", png});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), c.line.toStdString());
        const QImage image(png);
        const QStringList words = c.line.split(' ');
        EXPECT_EQ(image.size(), QSize(words[0].toInt(), words[1].toInt()));
        EXPECT_EQ(image.depth(), 1);
    }
}

TEST(BarcodeCli, PictureEqualsTheElements) {
    QTemporaryDir dir;
    const QString png = dir.filePath("msi.png");
    const CliRun r = runCli({"--type", "MSI_Plessey", "--caption", "1234", "--module", "SC9", "--out", png});
    ASSERT_EQ(r.exitCode, 0);
    Barcode b;
    b.SetBar_CodeType(MSI_Plessey);
    b.SetBar_Caption("1234");
    b.SetBar_ModuleWidth(SC9);
    EXPECT_EQ(mono::fromImage(QImage(png)), b.picture());
}

TEST(BarcodeCli, RefusalsExitWithTheElementsMessage) {
    QTemporaryDir dir;
    const QString png = dir.filePath("bad.png");
    struct Case {
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {{"--type", "EAN_13", "--caption", "1", "--module", "SC15"}, "--module must be SC0..SC14, not 'SC15'"},
        {{"--type", "EAN_13", "--caption", "1", "--height", "10"}, "--height must be 20..200 (percent), not '10'"},
        {{"--type", "EAN_13", "--caption", "1", "--rotation", "45"}, "--rotation must be 0, 90, 180 or 270, not '45'"},
        {{"--type", "EAN_13", "--caption", QString(51, '1')}, "String exceeds maximum length"},
        {{"--type", "CODE128_B", "--caption", "中文"}, "ZurazAZ: Code128 error"},
        {{"--type", "EAN_14", "--caption", "1"}, "unknown barcode type 'EAN_14'"},
        {{"--type", "EAN_13"}, "barcode needs --type, --caption and --out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const CliRun r = runCli(c.args + QStringList{"--out", png});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(png));
    }
}
