#include "link/Frame.h"
#include "link/LinkTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

// Frames worked by hand
// (check byte = exclusive-or of every byte before it).
TEST(Frame, ProtocolExamples) {
    struct Row {
        QByteArray frame;
        const char* expected;
        const char* origin;
    };
    const Row rows[] = {
        {eraseFrame(0), "01 00 BE 00 02 00 BD", "protocol example, erase segment 0"},
        {eraseFrame(15), "01 00 BE 00 02 0F B2", "protocol example, erase segment 15"},
        {buildFrame(cmdFieldAbsent, hexBytes("01 01")), "01 00 C5 00 03 01 01 C7", "protocol example, field absent"},
        {clockFrame(QDateTime(QDate(2026, 12, 6), QTime(18, 9, 42))), "01 00 B2 00 08 20 26 12 06 18 09 42 FA",
         "protocol example, clock"},
        {buildFrame(cmdSerialNoSettings, hexBytes("01 01 01 10 00 64 0A 01 08 00 00 00 00 00 01 01 01")),
         "01 00 C3 00 12 01 01 01 10 00 64 0A 01 08 00 00 00 00 00 01 01 01 A7", "protocol example, serial number"},
        {buildFrame(cmdShiftSettings, hexBytes("01 01 01 10 00 14 64 01 02")),
         "01 00 C4 00 0A 01 01 01 10 00 14 64 01 02 AD", "protocol example, shift B"},
        {buildFrame(0x42, {}), "01 00 42 00 01 42", "by hand: empty payload, L = 1"},
        {queryFrame(), "01 00 B3 00 02 B1 0A", "fixed query frame, not the computed 01"},
    };
    for (const Row& r : rows) EXPECT_EQ(toHex(r.frame), r.expected) << r.origin;
}

// Packed decimal clock bytes, worked by hand (check bytes confirmed with an
// independent exclusive-or in Python): each value's decimal digits
// become the two hexadecimal digits.
TEST(Frame, ClockFramePackedDecimal) {
    struct Row {
        QDateTime when;
        const char* expected;
    };
    const Row rows[] = {
        // midnight, first second of the minute: 20^26^01^01 = 06, ^00^00^00 = 06; header 01^B2^08 = BB -> BD
        {QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0)), "01 00 B2 00 08 20 26 01 01 00 00 00 BD"},
        // single digits: 6 o'clock is 06, not 60
        {QDateTime(QDate(2009, 3, 4), QTime(6, 7, 8)), "01 00 B2 00 08 20 09 03 04 06 07 08 9C"},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), "01 00 B2 00 08 19 99 12 31 23 59 59 3B"},
    };
    for (const Row& r : rows) EXPECT_EQ(toHex(clockFrame(r.when)), r.expected) << qPrintable(r.when.toString());
    EXPECT_EQ(packedDecimal(0), 0x00);
    EXPECT_EQ(packedDecimal(9), 0x09);
    EXPECT_EQ(packedDecimal(12), 0x12);
    EXPECT_EQ(packedDecimal(59), 0x59);
}

TEST(Frame, ReplyTest) {
    struct Row {
        const char* reply;
        bool accepted;
    };
    // Worked by hand: a reply is accepted when its third byte is 0xB3, whatever else it holds.
    const Row rows[] = {
        {"06 00 B3", true},          // the printer's acknowledgement
        {"06 00 B3 06 00 B3", true}, // a late answer followed by this try's answer
        {"00 00 B3 FF", true},       // only the third byte is looked at
        {"B3 00 00", false},         // 0xB3 present but not third
        {"06 B3", false},            // too short
        {"B3", false},
        {"", false},
        {"06 00 B4", false},
    };
    for (const Row& r : rows) EXPECT_EQ(replyAccepted(hexBytes(r.reply)), r.accepted) << r.reply;
}

TEST(Frame, ChunkingCountsAndNumbers) {
    struct Row {
        int size;
        int chunks;
        int lastChunk;
    };
    // Worked by hand: chunks of 3072 bytes, the last one holding the rest.
    const Row rows[] = {
        {0, 0, 0}, {1, 1, 1}, {3072, 1, 3072}, {3073, 2, 1}, {8192, 3, 2048}, {6144, 2, 3072},
    };
    for (const Row& r : rows) {
        QByteArray data(r.size, '\0');
        for (int i = 0; i < r.size; ++i) data[i] = char(i * 7);
        const QList<QByteArray> frames = chunkFrames(cmdBackgroundChunk, 0x07, 0x02, data);
        ASSERT_EQ(frames.size(), r.chunks) << r.size;
        EXPECT_EQ(chunkCount(r.size), r.chunks);
        for (int s = 1; s <= r.chunks; ++s) {
            const QByteArray& f = frames[s - 1];
            const int len = s == r.chunks ? r.lastChunk : kChunkSize;
            ASSERT_EQ(f.size(), len + 10) << "frame " << s; // 5 header, 4 parameters, 1 check
            EXPECT_EQ(toHex(f.left(9)),
                      toHex(buildFrame(cmdBackgroundChunk, QByteArray()).left(3) + QByteArray(1, char((len + 5) >> 8)) +
                            QByteArray(1, char((len + 5) & 0xFF)) + hexBytes("07 02") + QByteArray(1, char(r.chunks)) +
                            QByteArray(1, char(s))));
            EXPECT_EQ(f.mid(9, len), data.mid((s - 1) * kChunkSize, len));
            EXPECT_EQ(quint8(f.back()), checkByte(f.chopped(1)));
        }
    }
    // A full chunk frame is 3082 bytes with L = 3077 = 0x0C05.
    const QList<QByteArray> full = chunkFrames(cmdGlyphColumnChunk, 1, 0x10, QByteArray(3072, '\xFF'));
    EXPECT_EQ(toHex(full[0].left(9)), "01 00 BA 0C 05 01 10 01 01");
    EXPECT_EQ(full[0].size(), 3082);
}

TEST(Frame, RefusesWhatCannotBeFramed) {
    EXPECT_THROW(eraseFrame(-1), std::out_of_range);
    EXPECT_THROW(eraseFrame(16), std::out_of_range);
    EXPECT_THROW(buildFrame(0xB1, QByteArray(kMaxPayload + 1, 'x')), std::length_error);
    EXPECT_NO_THROW(buildFrame(0xB1, QByteArray(kMaxPayload, 'x')));
    EXPECT_THROW(chunkFrames(0xB1, 1, 1, QByteArray(kChunkSize * kMaxChunks + 1, 'x')), std::length_error);
    EXPECT_EQ(chunkFrames(0xB1, 1, 1, QByteArray(kChunkSize * kMaxChunks, 'x')).size(), kMaxChunks);
}

// The texts of every exchange, exactly as the printer's operators know them.
TEST(LinkTexts, EveryExchangeHasItsThreeTexts) {
    struct Row {
        LinkAction action;
        const char* waiting;
        const char* failed;
        const char* succeeded;
    };
    const Row rows[] = {
        {actionBackground(), "正在发送背景数据信息，请稍候......", "发送背景数据信息失败，请检查线路或重新尝试！",
         "发送背景数据信息成功！"},
        {actionDateSettings(), "正在发送日期、时间设置信息，请稍候......",
         "发送日期、时间设置信息失败，请检查线路或重新尝试！", "发送日期、时间设置信息成功！"},
        {actionExpirySettings(), "正在发送有效期限设置信息，请稍候......",
         "发送有效期限设置信息失败，请检查线路或重新尝试！", "发送有效期限设置信息成功！"},
        {actionSerialNoSettings(), "正在发送序号设置信息，请稍候......", "发送序号设置信息失败，请检查线路或重新尝试！",
         "发送序号设置信息成功！"},
        {actionShiftSettings(), "正在发送班次设置信息，请稍候......", "发送班次设置信息失败，请检查线路或重新尝试！",
         "发送班次设置信息成功！"},
        {actionSetClock(), "正在校正时钟，请稍候......", "校正时钟失败，请检查线路或重新尝试！", "校正时钟成功！"},
        {actionQuery(), "正在查找已连接喷码仪，请稍候......", "查找已连接喷码仪失败，请检查线路或重新尝试！",
         "查找已连接喷码仪成功！"},
        {actionEraseFlash(), "正在擦除指定Flash信息，请稍候......", "擦除指定Flash失败，请检查线路或重新尝试！",
         "擦除指定Flash成功！"},
        {actionGlyph(), "正在发送字模信息，请稍候......", "发送字模数据信息失败，请检查线路或重新尝试！",
         "发送字模数据信息成功！"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.action.waiting, QString::fromUtf8(r.waiting));
        EXPECT_EQ(r.action.failed, QString::fromUtf8(r.failed));
        EXPECT_EQ(r.action.succeeded, QString::fromUtf8(r.succeeded));
    }
}
