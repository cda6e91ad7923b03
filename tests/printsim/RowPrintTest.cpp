// The printing a row at a time against the dot-by-dot reading of its
// definition (DotReference), byte for byte, on random messages: random
// backgrounds, fields of every kind at random places (also running over the
// right and lower edges), with and without downloaded glyph sets; and the
// preview's sheet of the next prints of random templates.
#include "DotReference.h"
#include "link/MessageRender.h"
#include "link/SendMessage.h"
#include "model/FieldPlacement.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 7), QTime(9, 30));
constexpr int kHeights[] = {16, 32, 48, 64, 96, 128};

QByteArray randomBytes(QRandomGenerator& random, qsizetype size) {
    QByteArray bytes(size, '\0');
    const int density = random.bounded(1, 100); // percent of set bits
    for (char& b : bytes)
        for (int bit = 0; bit < 8; ++bit)
            if (random.bounded(100) < density) b = char(b | (1 << bit));
    return bytes;
}

// Field bytes of kind 0..3 (date, expiry, serial number, shift) as the 0xC1..0xC4
// payloads carry them after the template and resolution numbers.
QByteArray randomField(QRandomGenerator& random, int kind, int width) {
    static constexpr int kSizes[] = {7, 9, 15, 7};
    QByteArray b = randomBytes(random, kSizes[kind]);
    const int x = random.bounded(width + 40);
    const int font = random.bounded(4) ? kHeights[random.bounded(6)] : random.bounded(1, 140);
    b[1] = char(font);
    b[2] = char(x >> 8);
    b[3] = char(x & 0xFF);
    b[4] = char(random.bounded(128));
    b[5] = char(random.bounded(6));
    if (kind <= 1) b[6] = char(0xA1 + random.bounded(10));              // date style
    if (kind == 1) b[7] = 0x01, b[8] = char(0x10 * random.bounded(10)); // packed decimal days
    if (kind == 2) b[6] = char(random.bounded(1, 10)), b[13] = 1, b[14] = 1;
    if (kind == 3) b[6] = char(random.bounded(1, 9));
    return b;
}

void addRandomSet(QRandomGenerator& random, GlyphStore& store, int command, int resolution, int height) {
    const int size = command == 0xB8 ? standardSetSize(height, resolution).value_or(0)
                                     : height * random.bounded(1, 12); // whole rows and columns
    const QByteArray bytes = randomBytes(random, size);
    const int count = int((bytes.size() + 3071) / 3072);
    for (int n = 1; n <= count; ++n)
        store.add({command, resolution, height, count, n, bytes.mid((n - 1) * 3072, 3072)});
}

} // namespace

TEST(RowPrint, RandomMessagesPrintAsTheDotReference) {
    QRandomGenerator random(29);
    for (int round = 0; round < 40; ++round) {
        StoredMessage message;
        message.templateNumber = 1;
        message.resolution = random.bounded(1, 5);
        const int width = random.bounded(1, 700);
        message.background = randomBytes(random, qsizetype(width) * 16);
        for (int kind = 0; kind < kVariableKindCount; ++kind)
            if (random.bounded(4)) message.fields[size_t(kind)] = randomField(random, kind, width);
        GlyphStore glyphs;
        for (int h : kHeights)
            if (random.bounded(2)) addRandomSet(random, glyphs, 0xB8, random.bounded(2) ? message.resolution : 2, h);
        SCOPED_TRACE(QStringLiteral("round %1, %2 columns").arg(round).arg(width).toStdString());

        ASSERT_TRUE(dotref::sameBytes(printMessage(message, kNow, &glyphs).picture,
                                      dotref::printMessage(message, kNow, &glyphs).picture));
    }
}

TEST(RowPrint, RandomTemplatesPreviewAsTheDotReference) {
    QRandomGenerator random(22);
    const QStringList dpis{"100dpi", "200dpi", "300dpi", "400dpi"};
    for (int round = 0; round < 8; ++round) {
        MessageTemplate m;
        const int width = random.bounded(32, 1500);
        for (int n = random.bounded(1, 12); n > 0; --n)
            placeField(m, kAllFieldKinds[random.bounded(int(kAllFieldKinds.size()))], random.bounded(width),
                       random.bounded(128));
        const QByteArray frames = messageFrames(planMessage(m, {width, 1, dpis[random.bounded(4)], dpis, 1}));
        const int count = random.bounded(1, 5);
        SCOPED_TRACE(QStringLiteral("round %1, %2 prints").arg(round).arg(count).toStdString());
        const PrintPreview preview = previewPrints(frames, kNow, count);
        ASSERT_TRUE(preview.problem.isEmpty()) << qPrintable(preview.problem);
        ASSERT_TRUE(dotref::sameBytes(preview.sheet, dotref::stackPrints(dotref::previewPrints(frames, kNow, count))));
    }
}

TEST(RowPrint, RandomGlyphSetsShowAsTheDotReference) {
    QRandomGenerator random(8);
    for (int round = 0; round < 60; ++round) {
        const int command = 0xB8 + random.bounded(3);
        const int height = command == 0xB8 ? kHeights[random.bounded(6)] : 8 * random.bounded(1, 17);
        GlyphStore store;
        addRandomSet(random, store, command, command == 0xB9 ? 1 : random.bounded(1, 5), height);
        SCOPED_TRACE(QStringLiteral("command %1 height %2").arg(command, 0, 16).arg(height).toStdString());
        const QList<GlyphSet> sets = store.setsOfHeight(height);
        ASSERT_EQ(sets.size(), 1);
        ASSERT_TRUE(dotref::sameBytes(glyphSetPicture(sets.first()), dotref::glyphSetPicture(sets.first())));
    }
}
