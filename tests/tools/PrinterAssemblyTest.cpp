// The virtual printer putting a message together: background chunks into
// packed bytes, then the four settings frames of a send.
#include "common/MonoImage.h"
#include "link/BackgroundPacking.h"
#include "printsim/BackgroundAssembler.h"
#include "printsim/MessageBook.h"
#include "printsim/MessagePrint.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 512-column strip with a dot pattern in every column, so that a chunk put
// at the wrong offset shows.
QImage patternStrip(int width) {
    QImage strip = mono::create(width, 128);
    for (int x = 0; x < width; ++x) {
        mono::setDot(strip, x, (x * 7) % 128, true);
        mono::setDot(strip, x, (x / 3) % 128, true);
    }
    return strip;
}

BackgroundChunk chunkOf(const QByteArray& data, int count, int number, int templateNumber = 1) {
    return {templateNumber, 1, count, number, data.mid((number - 1) * kChunkBytes, kChunkBytes)};
}

} // namespace

// Chunks in order give back the packed bytes, and these unpack to the strip
// that was packed by the sending side, dot for dot.
TEST(PrinterBackground, ChunksInOrderGiveBackThePackedStrip) {
    const QImage strip = patternStrip(512);
    const QByteArray packed = packColumns(strip); // 8192 bytes: chunks of 3072, 3072, 2048
    ASSERT_EQ(packed.size(), 8192);
    BackgroundAssembler assembler;
    EXPECT_FALSE(assembler.add(chunkOf(packed, 3, 1)).done);
    EXPECT_FALSE(assembler.add(chunkOf(packed, 3, 2)).done);
    const BackgroundAssembler::Outcome last = assembler.add(chunkOf(packed, 3, 3));
    ASSERT_TRUE(last.done) << qPrintable(last.note);
    EXPECT_EQ(last.note,
              "chunk 3/3 of 2048 bytes, template 1 resolution 1, background of template 1 complete: 512 columns");
    EXPECT_EQ(last.done->bytes, packed);
    EXPECT_EQ(mono::toText(unpackColumns(last.done->bytes)), mono::toText(strip));
    EXPECT_FALSE(assembler.pending(1));
}

// Which sequences of chunks (S of N) make a whole background; the notes end
// with what the printer made of the last chunk. Worked out from the chunk
// rules: S of N lands at (S - 1) x 3072, every S from 1 to N must come, a run
// starts at chunk 1.
TEST(PrinterBackground, OnlyAWholeRunCompletes) {
    const QByteArray packed = packColumns(patternStrip(512));
    struct Step {
        int count, number;
    };
    struct Row {
        int line;
        QList<Step> steps;
        bool complete;
        const char* lastNoteEnd;
    };
    // Completion worked by hand from the chunk rules above; note ends are the virtual printer's own notes.
    const Row rows[] = {
        {__LINE__, {{3, 1}, {3, 2}}, false, "template 1 resolution 1"},
        {__LINE__, {{3, 1}, {3, 3}}, false, "template 1 resolution 1"},
        {__LINE__, {{3, 1}, {3, 1}, {3, 3}}, false, "template 1 resolution 1"}, // a repeat does not stand in for 2
        {__LINE__, {{3, 1}, {3, 2}, {3, 2}}, false, ", repeated"},
        {__LINE__, {{3, 1}, {3, 2}, {3, 2}, {3, 3}}, true, "complete: 512 columns"}, // a retried chunk is harmless
        {__LINE__, {{3, 1}, {3, 3}, {3, 2}}, true, "complete: 512 columns"},         // placed by number
        {__LINE__, {{3, 2}, {3, 3}}, false, "comes before chunk 1; ignored"},
        {__LINE__, {{3, 1}, {4, 2}}, false, "chunk count changed from 3; background of template 1 dropped"},
        {__LINE__, {{3, 1}, {4, 2}, {3, 3}}, false, "comes before chunk 1; ignored"},
        {__LINE__, {{3, 1}, {3, 2}, {3, 1}}, false, ", unfinished earlier background dropped"},
        {__LINE__, {{3, 1}, {3, 2}, {3, 1}, {3, 3}}, false, "template 1 resolution 1"}, // 2 went with the old run
        {__LINE__, {{3, 1}, {3, 4}}, false, ": out of range; ignored"},
        {__LINE__, {{3, 1}, {3, 2}, {3, 3}, {3, 3}}, false, "comes before chunk 1; ignored"},
    };
    for (const Row& r : rows) {
        BackgroundAssembler assembler;
        BackgroundAssembler::Outcome outcome;
        for (const Step& s : r.steps) {
            BackgroundChunk chunk = chunkOf(packed, 3, s.number);
            chunk.count = s.count;
            if (s.number > 3) chunk.data = packed.left(16);
            outcome = assembler.add(chunk);
        }
        EXPECT_EQ(outcome.done.has_value(), r.complete) << "line " << r.line;
        EXPECT_TRUE(outcome.note.endsWith(QString::fromLatin1(r.lastNoteEnd)))
            << "line " << r.line << ": " << qPrintable(outcome.note);
        if (outcome.done) {
            EXPECT_EQ(outcome.done->bytes, packed) << "line " << r.line;
        }
    }
}

// Garbage in a chunk frame is refused with a reason: sizes that no send makes.
TEST(PrinterBackground, BadChunksAreRefused) {
    struct Row {
        int line;
        BackgroundChunk chunk;
        const char* noteEnd;
    };
    // Worked by hand: a chunk is 3072 bytes except the last, whole 16-byte columns, 1 <= S <= N;
    // note ends are the virtual printer's own notes.
    const Row rows[] = {
        {__LINE__, {1, 1, 2, 1, QByteArray(100, 0)}, ": wrong size; background of template 1 dropped"},
        {__LINE__, {1, 1, 1, 1, QByteArray()}, ": wrong size; background of template 1 dropped"},
        {__LINE__, {1, 1, 1, 1, QByteArray(3073, 0)}, ": wrong size; background of template 1 dropped"},
        {__LINE__, {1, 1, 0, 0, QByteArray(16, 0)}, ": out of range; ignored"},
        {__LINE__,
         {1, 1, 1, 1, QByteArray(17, 0)},
         "background of 17 bytes is no whole number of 16-byte columns; dropped"},
    };
    for (const Row& r : rows) {
        BackgroundAssembler assembler;
        const BackgroundAssembler::Outcome outcome = assembler.add(r.chunk);
        EXPECT_FALSE(outcome.done) << "line " << r.line;
        EXPECT_TRUE(outcome.note.endsWith(QString::fromLatin1(r.noteEnd)))
            << "line " << r.line << ": " << qPrintable(outcome.note);
    }
}

// Backgrounds of different templates are put together side by side.
TEST(PrinterBackground, TemplatesAssembleApart) {
    const QByteArray a = packColumns(patternStrip(512));
    const QByteArray b = QByteArray(16 * 40, '\x5A');
    BackgroundAssembler assembler;
    assembler.add(chunkOf(a, 3, 1, 7));
    const auto small = assembler.add(BackgroundChunk{8, 2, 1, 1, b});
    assembler.add(chunkOf(a, 3, 2, 7));
    const auto big = assembler.add(chunkOf(a, 3, 3, 7));
    ASSERT_TRUE(small.done && big.done);
    EXPECT_EQ(small.done->templateNumber, 8);
    EXPECT_EQ(small.done->resolution, 2);
    EXPECT_EQ(small.done->bytes, b);
    EXPECT_EQ(big.done->bytes, a);
}

namespace {
// Settings payloads of template 1 at resolution 1; the field bytes are those
// of the protocol's frame examples.
const char* const kDate = "01 01 02 20 01 2C 00 02 A2";
const char* const kExpiry = "01 01 01 10 00 00 28 00 A1 03 65";
const char* const kSerial = "01 01 01 10 00 64 0A 01 08 00 00 00 00 00 01 01 01";
const char* const kShift = "01 01 01 10 00 14 64 01 02";
const char* const kAbsent = "01 01";
} // namespace

// The settings of a send, frame by frame: which complete the message and what
// it then holds ("DESN" present, "-" absent), and the note of the last frame.
TEST(PrinterMessageBook, SettingsFillTheMessageInSendOrder) {
    struct Frame {
        quint8 command;
        const char* payload;
    };
    struct Row {
        int line;
        QList<Frame> frames;
        bool complete;
        const char* fields;
        const char* lastNoteEnd;
    };
    // Worked by hand from the send order C1/C5, C2/C5, C3/C5, C4/C5 and each frame's payload size;
    // note ends are the virtual printer's own notes.
    const Row rows[] = {
        {__LINE__, {{0xC1, kDate}, {0xC2, kExpiry}, {0xC3, kSerial}, {0xC4, kShift}}, true, "DESN", "message complete"},
        {__LINE__,
         {{0xC5, kAbsent}, {0xC5, kAbsent}, {0xC5, kAbsent}, {0xC5, kAbsent}},
         true,
         "----",
         "(place 4 absent), message complete"},
        {__LINE__,
         {{0xC1, kDate}, {0xC5, kAbsent}, {0xC3, kSerial}, {0xC5, kAbsent}},
         true,
         "D-S-",
         "message complete"},
        {__LINE__, {{0xC1, kDate}, {0xC2, kExpiry}, {0xC3, kSerial}}, false, "DES-", "template 1"},
        {__LINE__,
         {{0xC1, kDate}, {0xC1, kDate}, {0xC2, kExpiry}, {0xC3, kSerial}, {0xC4, kShift}},
         true,
         "DESN",
         "message complete"},
        {__LINE__,
         {{0xC1, kDate}, {0xC3, kSerial}, {0xC4, kShift}},
         false,
         "D--N",
         "outside a send: kept, not printed"},
        {__LINE__, {{0xC2, kExpiry}}, false, "----", "where C1 or C5 was due; the send is abandoned, nothing printed"},
        {__LINE__, {{0xC1, "01 01 02 20"}}, false, "----", "with 4 payload bytes, not 9; ignored"},
        {__LINE__, {{0xC5, "01 01 00"}}, false, "----", "with 3 payload bytes, not 2; ignored"},
        {__LINE__,
         {{0xC1, "07 01 02 20 01 2C 00 02 A2"}},
         false,
         "----",
         "for template 7, whose background never came; ignored"},
        {__LINE__,
         {{0xC5, kAbsent}, {0xC5, kAbsent}, {0xC5, kAbsent}, {0xC5, kAbsent}, {0xC5, kAbsent}},
         false,
         "----",
         "outside a send names no field; ignored"},
    };
    for (const Row& r : rows) {
        MessageBook book;
        book.startMessage(1, 1, QByteArray(16, 0));
        MessageBook::Outcome outcome;
        bool completed = false;
        for (const Frame& f : r.frames) {
            outcome = book.applySettings(f.command, hexBytes(f.payload));
            completed = completed || outcome.complete;
        }
        EXPECT_EQ(outcome.complete, r.complete) << "line " << r.line;
        if (r.frames.size() <= 4) {
            EXPECT_EQ(completed, r.complete) << "line " << r.line;
        }
        EXPECT_TRUE(outcome.note.endsWith(QString::fromLatin1(r.lastNoteEnd)))
            << "line " << r.line << ": " << qPrintable(outcome.note);
        QString held;
        for (int k = 0; k < kVariableKindCount; ++k) held += book.message(1)->fields[k] ? "DESN"[k] : '-';
        EXPECT_EQ(held, QString::fromLatin1(r.fields)) << "line " << r.line;
    }
}

// A new background starts the message again: the fields of the last send go.
TEST(PrinterMessageBook, NewBackgroundStartsAgain) {
    MessageBook book;
    book.startMessage(1, 1, QByteArray(16, 0));
    book.applySettings(0xC1, hexBytes(kDate));
    book.startMessage(1, 1, QByteArray(32, 0));
    ASSERT_NE(book.message(1), nullptr);
    EXPECT_FALSE(book.message(1)->fields[0]);
    EXPECT_EQ(book.message(1)->background.size(), 32);
    book.applySettings(0xC1, hexBytes(kDate));
    ASSERT_TRUE(book.message(1)->fields[0]);
    EXPECT_EQ(toHex(*book.message(1)->fields[0]), "02 20 01 2C 00 02 A2");
}
