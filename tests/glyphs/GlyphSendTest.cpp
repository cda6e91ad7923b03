#include "glyphs/GlyphPayloads.h"
#include "link/LinkReporter.h"
#include "link/LinkTexts.h"
#include "link/TransactionLog.h"
#include "serial/SerialPort.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
constexpr int kTestQuietMs = 200;

struct Texts : LinkReporter {
    void showMessage(const QString& text) override { shown << text; }
    QStringList shown;
};

struct Link {
    PrinterProcess printer;
    SerialPort port;
    Texts reporter;
    std::vector<bool> lamp;
    explicit Link(const QStringList& options = {}) : printer(options) {
        port.setPort(printer.devicePath());
        port.setOpenListener([this](bool open) { lamp.push_back(open); });
    }
    bool send(const QList<GlyphPayload>& payloads) { return sendGlyphPayloads(port, reporter, payloads, kTestQuietMs); }
};

QList<int> allRows() {
    return {0, 1, 2, 3, 4, 5};
}

// Frame header bytes 2..8 of each received frame, as hex.
QStringList headers(const QStringList& frames) {
    QStringList out;
    for (const QString& f : frames) out << f.mid(6, 7 * 3 - 1);
    return out;
}
} // namespace

TEST(GlyphSend, SixteenDotsAt200dpiIsOneFrame) {
    Link link;
    ASSERT_TRUE(link.send(standardPayloads({0}, 2, QStringLiteral("宋体"), {})));
    const QStringList frames = link.printer.receivedAtLeast(1);
    ASSERT_EQ(frames.size(), 1);
    // 0xB8, L = 304 + 5 + 1 = 0x0135, resolution 2, height 0x10, chunk 1 of 1; 304 + 10 bytes in all.
    EXPECT_EQ(headers(frames), QStringList{"B8 01 35 02 10 01 01"});
    EXPECT_EQ(hexBytes(frames[0].toLatin1().constData()).size(), 314);
    EXPECT_EQ(link.reporter.shown, (QStringList{QStringLiteral("正在发送字模信息，请稍候......"),
                                                QStringLiteral("发送字模数据信息成功！")}));
    EXPECT_EQ(actionGlyph().failed, QStringLiteral("发送字模数据信息失败，请检查线路或重新尝试！"));
}

TEST(GlyphSend, AllHeightsAt400dpiNumberTheirOwnChunks) {
    Link link;
    ASSERT_TRUE(link.send(standardPayloads(allRows(), 4, QStringLiteral("宋体"), {})));
    // Payloads 608, 2432, 5472, 9728, 21888, 38912 bytes: 1, 1, 2, 4, 8 and 13 chunks of 3072.
    const QStringList frames = link.printer.receivedAtLeast(29);
    ASSERT_EQ(frames.size(), 29);
    const QStringList h = headers(frames);
    EXPECT_EQ(h[0], "B8 02 65 04 10 01 01");                // 608 + 5
    EXPECT_EQ(h[2], "B8 0C 05 04 30 02 01");                // 3072 + 5, chunk 1 of 2
    EXPECT_EQ(h[3], "B8 09 65 04 30 02 02");                // 5472 - 3072 = 2400, + 5
    EXPECT_EQ(h[28], "B8 08 05 04 80 0D 0D");               // 38912 - 12 x 3072 = 2048, + 5
    EXPECT_EQ(link.lamp, (std::vector<bool>{true, false})); // one opening for the whole operation
}

TEST(GlyphSend, ExactlyTwoFullChunks) {
    Link link;
    ASSERT_TRUE(link.send({{0xBA, 1, 0x80, QByteArray(6144, '\x55')}}));
    EXPECT_EQ(headers(link.printer.receivedAtLeast(2)), (QStringList{"BA 0C 05 01 80 02 01", "BA 0C 05 01 80 02 02"}));
}

TEST(GlyphSend, EmptyValueOpensAndClosesWithoutAFrame) {
    Link link;
    ASSERT_TRUE(link.send({customPayload({"", "宋体", 2, false, {"200dpi"}, 1})}));
    EXPECT_EQ(link.lamp, (std::vector<bool>{true, false}));
    EXPECT_TRUE(link.printer.received().isEmpty());
    EXPECT_TRUE(link.reporter.shown.isEmpty());
    // The log names the command and says that nothing went out.
    const QByteArray last = readFile(transactionLogPath()).trimmed().split('\n').last();
    EXPECT_TRUE(last.contains(R"("command":"glyphs")")) << last.constData();
    EXPECT_TRUE(last.contains(R"("result":"nothing sent")")) << last.constData();
}

TEST(GlyphSend, AFailedChunkStopsEveryLaterHeight) {
    // The printer answers the first two frames (16 and 32 dots) and then nothing.
    Link link({QStringLiteral("--answer-limit"), QStringLiteral("2")});
    EXPECT_FALSE(link.send(standardPayloads(allRows(), 2, QStringLiteral("宋体"), {})));
    const QStringList frames = link.printer.receivedAtLeast(5);
    ASSERT_EQ(frames.size(), 5); // 16, 32, then the 48-dot chunk 1 three times
    EXPECT_EQ(headers(frames).mid(2), QStringList(3, "B8 0A B5 02 30 01 01")); // 2736 + 5 = 0x0AB5
    EXPECT_EQ(link.reporter.shown.last(), actionGlyph().failed);
    EXPECT_EQ(link.lamp, (std::vector<bool>{true, false}));
}

TEST(GlyphSend, TooManyChunksIsRefusedBeforeTheLinkOpens) {
    Link link;
    EXPECT_THROW(link.send({{0xB9, 1, 8, QByteArray(255 * 3072 + 1, '\0')}}), GlyphRefused);
    EXPECT_TRUE(link.lamp.empty());
}
