#include "printsim/FrameReader.h"
#include "printsim/PrinterState.h"
#include "printsim/ReplyPlan.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
QString describe(const QList<ReadFrame>& frames) {
    QStringList parts;
    for (const ReadFrame& f : frames)
        parts << (f.valid ? QStringLiteral("ok ") : QStringLiteral("bad(%1) ").arg(f.problem)) + toHex(f.bytes);
    return parts.join(QStringLiteral("; "));
}
} // namespace

// How the virtual printer cuts the host's bytes into frames; the frames are
// the protocol examples, the damaged ones changed by hand.
TEST(PrinterFrameReader, CutsChecksAndResynchronises) {
    struct Row {
        QList<const char*> feeds;
        const char* expected;
    };
    // The printer's frames (01 00, command, length, payload, exclusive-or check byte): the erase,
    // query and absent-field examples; damaged ones changed by hand.
    const Row rows[] = {
        {{"01 00 BE 00 02 00 BD"}, "ok 01 00 BE 00 02 00 BD"},
        {{"01 00 B3 00 02 B1 0A"}, "ok 01 00 B3 00 02 B1 0A"},
        {{"01 00 B3 00 02 B1 01"}, "ok 01 00 B3 00 02 B1 01"}, // a query with a computed check byte is fine too
        {{"01 00 BE", " 00 02", " 0F B2"}, "ok 01 00 BE 00 02 0F B2"},
        {{"01 00 BE 00 02 00 BC"}, "bad(bad check byte) 01 00 BE 00 02 00 BC"},
        {{"FF 13 01 00 C5 00 03 01 01 C7"}, "bad(no start bytes) FF 13; ok 01 00 C5 00 03 01 01 C7"},
        {{"01 00 BE 00 02 00 BD 01 00 BE 00 02 0F B2"}, "ok 01 00 BE 00 02 00 BD; ok 01 00 BE 00 02 0F B2"},
        {{"01 00 42 00 00 01 00 BE 00 02 00 BD"}, "bad(length 0) 01 00 42 00 00; ok 01 00 BE 00 02 00 BD"},
        {{"01", "00 BE 00 02 00 BD"}, "ok 01 00 BE 00 02 00 BD"},
    };
    for (const Row& r : rows) {
        FrameReader reader;
        QList<ReadFrame> frames;
        for (const char* feed : r.feeds) {
            reader.feed(hexBytes(feed));
            frames += reader.takeFrames();
        }
        EXPECT_EQ(describe(frames), QString::fromLatin1(r.expected)) << r.feeds.first();
        EXPECT_FALSE(reader.hasPartial()) << r.feeds.first();
    }
    FrameReader reader;
    reader.feed(hexBytes("01 00 B1 0C 05 01"));
    EXPECT_TRUE(reader.takeFrames().isEmpty());
    ASSERT_TRUE(reader.hasPartial());
    EXPECT_EQ(describe({reader.dropPartial()}), "bad(incomplete frame) 01 00 B1 0C 05 01");
}

TEST(PrinterState, RecordsWhatItWasTold) {
    PrinterState state;
    FrameReader reader;
    reader.feed(hexBytes("01 00 B2 00 08 20 26 12 06 18 09 42 FA 01 00 BE 00 02 0F B2 01 00 C5 00 03 01 01 C7"
                         " 01 00 B1 00 06 01 02 02 02 5A EF 01 00 B2 00 08 20 26 1A 06 18 09 42 F2"));
    QStringList notes;
    for (const ReadFrame& f : reader.takeFrames()) notes << state.apply(f);
    EXPECT_EQ(notes, (QStringList{"clock 2026-12-06 18:09:42", "erase segment 15",
                                  "field settings C5 for template 1, whose background never came; ignored",
                                  "chunk 2/2 of 1 bytes, template 1 resolution 2: comes before chunk 1; ignored",
                                  "clock bytes not packed decimal"}));
    ASSERT_TRUE(state.clock());
    EXPECT_EQ(*state.clock(), QDateTime(QDate(2026, 12, 6), QTime(18, 9, 42)));
    EXPECT_EQ(state.erasedSegments(), QList<int>{15});
    EXPECT_EQ(state.message(1), nullptr);
    EXPECT_TRUE(state.takeEvents().isEmpty());
}

TEST(PrinterReplyPlan, Misbehaviours) {
    struct Row {
        PrinterBehaviour behaviour;
        int answeredSoFar;
        const char* expected; // "at:bytes" pieces
    };
    // The printer's answer 06 00 B3 (0xB3 the third byte); times worked by hand: delay + n × piece gap.
    const Row rows[] = {
        {{}, 0, "0:06 00 B3"},
        {{.silent = true}, 0, ""},
        {{.wrongThird = true}, 0, "0:B3 00 00"},
        {{.pieceGapMs = 50}, 0, "0:06 50:00 100:B3"},
        {{.pieceGapMs = 50, .delayMs = 400}, 0, "400:06 450:00 500:B3"},
        {{.answerLimit = 2}, 1, "0:06 00 B3"},
        {{.answerLimit = 2}, 2, ""},
    };
    for (const Row& r : rows) {
        QStringList pieces;
        for (const ReplyPiece& p : planReply(r.behaviour, r.answeredSoFar))
            pieces << QStringLiteral("%1:%2").arg(p.atMs).arg(toHex(p.bytes));
        EXPECT_EQ(pieces.join(' '), QString::fromLatin1(r.expected));
    }
}
