// Files that are no template, absurd values and hostile pictures, each read by
// the template reader and handed to daviduv-cli: a clear message or a
// documented default, no crash, no hang, and nothing sent for a refusal.
#include "common/Gbk.h"
#include "editor/TemplateFile.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray crlf(const QString& text) {
    return gbk::encode(QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

// A small JPEG whose frame header is turned progressive and claims 30000 x 30000:
// libjpeg would set aside the coefficients of the whole claimed picture.
QByteArray hugeProgressiveJpeg() {
    QImage small(16, 16, QImage::Format_Grayscale8);
    small.fill(128);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPEG");
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    jpeg[sof + 1] = char(0xC2);
    // height and width, big-endian, after the marker, length and precision: 30000 = 0x7530
    jpeg.replace(sof + 5, 4, QByteArray("\x75\x30\x75\x30", 4));
    return jpeg;
}

QByteArray randomBytes(int count) {
    QRandomGenerator generator(9);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += char(generator.bounded(256));
    return bytes;
}

using Check = std::function<void(const MessageTemplate&, const TemplateAttributes&)>;

const FieldImage& field0(const MessageTemplate& m) {
    return *m.find(0)->asField();
}

struct Row {
    const char* name;
    QByteArray file;
    int renderExit;        // 2: refused with the message below; 0: drawn
    const char* stderrHas; // part of the message or warning ("" for none)
    bool sendRefused;      // send exits 2 and nothing reaches the printer
    Check reader;          // what the template reader makes of it
};

} // namespace

TEST(CliHostileFile, EveryHostileFileIsRefusedOrBounded) {
    QTemporaryDir dir;
    const QString jpegPath = dir.filePath("huge.jpg");
    QFile jpeg(jpegPath);
    ASSERT_TRUE(jpeg.open(QIODevice::WriteOnly));
    jpeg.write(hugeProgressiveJpeg());
    jpeg.close();
    const QString fifoPath = dir.filePath("fifo.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoPath).constData(), 0600), 0);
    QImage png(8, 8, QImage::Format_Mono);
    png.fill(0);
    QBuffer pngBuffer;
    pngBuffer.open(QIODevice::WriteOnly);
    png.save(&pngBuffer, "PNG");
    const QString shift = QStringLiteral("[Main]\nControlCaption=csRunNo0\n[csRunNo0]\n");
    const QString serial = QStringLiteral("[Main]\nControlCaption=csNo0\n[csNo0]\n");
    const QString picture = QStringLiteral("[Main]\nControlCaption=csImage0\n[csImage0]\nWidth=20\nHeight=20\nSource=");

    const Row rows[] = {
        {"300 random bytes", randomBytes(300), 2, "has no [Main] section", true, {}},
        {"a PNG renamed", pngBuffer.data(), 2, "has no [Main] section", true, {}},
        {"/etc/passwd", readFile("/etc/passwd"), 2, "has no [Main] section", true, {}},
        {"caption names a missing section",
         crlf("[Main]\nControlCaption=csStr0/csDate1\n[csStr0]\n"),
         2,
         "[csDate1]",
         true,
         {}},
        // digits 1..16, else the default 8
        {"UserNoDigit 2000000000", crlf(serial + "UserNoDigit=2000000000\n"), 0, "", false,
         [](const MessageTemplate& m, const TemplateAttributes&) { EXPECT_EQ(field0(m).UserNoDigit(), 8); }},
        // positions beyond any canvas read as the default 1
        {"Left and Top at the integer limits", crlf(shift + "Left=2147483647\nTop=-2147483648\n"), 0, "", false,
         [](const MessageTemplate& m, const TemplateAttributes&) {
             EXPECT_EQ(m.find(0)->templatePos(), QPoint(1, 1));
         }},
        // days 0..65535, else the default 365
        {"UserPeriod -2147483648", crlf("[Main]\nControlCaption=csPeriod0\n[csPeriod0]\nUserPeriod=-2147483648\n"), 0,
         "", false,
         [](const MessageTemplate& m, const TemplateAttributes&) { EXPECT_EQ(field0(m).UserPeriod(), 365); }},
        // points 1..400, else the default 12
        {"FontSize 10^8", crlf("[Main]\nControlCaption=csStr0\n[csStr0]\nUserValue=x\nFontSize=100000000\n"), 0, "",
         false, [](const MessageTemplate& m, const TemplateAttributes&) { EXPECT_EQ(field0(m).UserFont().size, 12); }},
        // dots 1..128, else the default 16
        {"UserFontSize 10^8", crlf(shift + "UserFontSize=100000000\n"), 0, "", false,
         [](const MessageTemplate& m, const TemplateAttributes&) { EXPECT_EQ(field0(m).UserFontSize(), 16); }},
        // read whole, refused by a send: its low byte would name template 1
        {"MoBan 257", crlf("[Main]\nMoBan=257\nControlCaption=\n"), 2, "0..255", true,
         [](const MessageTemplate&, const TemplateAttributes& a) { EXPECT_EQ(a.moBan, 257); }},
        {"date style ZZ", crlf("[Main]\nControlCaption=csDate0\n[csDate0]\nUserValue=ZZ\n"), 2, "A1 至 AA", true, {}},
        // refused before decoding (libjpeg's "image too big", message 41): white, with a warning
        {"JPEG claiming 30000 x 30000", crlf(picture + jpegPath + "\n"), 0, "JPEG error #41", false,
         [](const MessageTemplate& m, const TemplateAttributes&) { EXPECT_EQ(m.find(0)->Width(), 20); }},
        // never opened: a FIFO nobody writes to would block forever
        {"Source naming a FIFO", crlf(picture + fifoPath + "\n"), 0, "cannot load the picture", false, {}},
    };
    PrinterProcess printer;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.filePath(QStringLiteral("hostile.spt"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(r.file);
        f.close();
        if (r.reader) {
            MessageTemplate m;
            TemplateAttributes a;
            loadTemplate(m, path, [&](const TemplateAttributes& seen) { a = seen; });
            r.reader(m, a);
        }
        const CliRun render = runCli({"render", path, "--out", dir.filePath("out.png")});
        EXPECT_EQ(render.exitCode, r.renderExit) << qPrintable(render.err);
        EXPECT_TRUE(render.err.contains(QString::fromUtf8(r.stderrHas))) << qPrintable(render.err);
        if (!r.sendRefused) continue;
        const CliRun send = runCli({"send", path, "--port", printer.devicePath(), "--quiet-ms", "200"});
        EXPECT_EQ(send.exitCode, 2) << qPrintable(send.err);
        EXPECT_FALSE(send.err.isEmpty());
        EXPECT_TRUE(printer.received().isEmpty());
    }
}

TEST(CliHostileFile, PicturesOnAFullDiskFailAndKeepTheOldFile) {
    const QByteArray old("old picture");
    FullFileSystem disk("out.png", old);
    if (!disk.full()) GTEST_SKIP() << "this machine does not permit mounting a tmpfs";
    const QString out = disk.filePath("out.png");
    QTemporaryDir dir;
    const QString spt = dir.filePath("t.spt");
    QFile f(spt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(crlf("[Main]\nControlCaption=\n"));
    f.close();
    const QStringList commands[] = {{"render", spt, "--out", out},
                                    {"barcode", "--type", "EAN_13", "--caption", "123456789012", "--out", out}};
    for (const QStringList& command : commands) {
        const CliRun r = runCli(command);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(command.first());
        EXPECT_TRUE(r.err.contains(QStringLiteral("No space left on device"))) << qPrintable(r.err);
        EXPECT_EQ(readFile(out), old);
    }
}
