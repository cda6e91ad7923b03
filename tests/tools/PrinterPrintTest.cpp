// What the virtual printer prints: the background unpacked, the variable
// fields' values drawn at their place from the settings bytes.
#include "common/MonoImage.h"
#include "model/DateStyles.h"
#include "printsim/MessagePrint.h"
#include "printsim/PrinterState.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kClockSet(QDate(2026, 12, 6), QTime(18, 9, 42));

// Field bytes of the protocol's frame examples (template and resolution numbers taken off).
const char* const kDate = "02 20 01 2C 00 02 A2";         // 32 dots at (300, 0), spacing 2, "2006-01-10"
const char* const kExpiry = "01 10 00 00 28 00 A1 03 65"; // 16 dots at (0, 40), spacing 0, 365 days
const char* const kSerial = "01 10 00 64 0A 01 08 00 00 00 00 00 01 01 01"; // 16 dots at (100, 10), spacing 1, 8 digits
const char* const kShift = "01 10 00 14 64 01 02";                          // 16 dots at (20, 100), spacing 1, "B"

StoredMessage blankMessage(int columns) {
    return StoredMessage{1, 1, QByteArray(columns * 16, 0), {}};
}

int dotsIn(const QImage& picture, const QRect& box) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) n += mono::dot(picture, x, y);
    return n;
}

} // namespace

// The column examples of the packing: one dot in row 0 is 80 00 ... 00, one
// in row 127 is 00 ... 00 01; bytes that are no whole column unpack to nothing.
TEST(PrinterUnpack, ColumnsTopToBottomMostSignificantBitFirst) {
    QByteArray packed(3 * 16, 0);
    packed[0] = char(0x80);       // column 0, row 0
    packed[16 + 15] = char(0x01); // column 1, row 127
    packed[32 + 5] = char(0x10);  // column 2, row 5 x 8 + 3 = 43
    const QImage picture = unpackColumns(packed);
    ASSERT_EQ(picture.size(), QSize(3, 128));
    QList<QPoint> dots;
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 128; ++y)
            if (mono::dot(picture, x, y)) dots << QPoint(x, y);
    EXPECT_EQ(dots, (QList<QPoint>{{0, 0}, {1, 127}, {2, 43}}));
    EXPECT_TRUE(unpackColumns(QByteArray()).isNull());
    EXPECT_TRUE(unpackColumns(QByteArray(17, 0)).isNull());
}

// Field bytes read back into place, size and value text. Values worked out by
// hand from the settings layout and the date styles, the clock at 2026-12-06 18:09:42.
TEST(PrinterFields, DecodedFromTheSettingsBytes) {
    struct Row {
        int line;
        int kind;
        const char* bytes;
        int x, y, font, spacing;
        const char* text; // or the problem
    };
    const Row rows[] = {
        {__LINE__, 0, kDate, 300, 0, 32, 2, "2026-12-06"},
        {__LINE__, 0, "02 20 01 2C 00 02 A6", 300, 0, 32, 2, "2026-12-06 18:09"},
        {__LINE__, 0, "01 10 00 00 00 00 A9", 0, 0, 16, 0, "6 Dec 2026"},
        {__LINE__, 0, "01 10 00 00 00 00 A4", 0, 0, 16, 0, "2026年12月06日"},
        {__LINE__, 1, kExpiry, 0, 40, 16, 0, "20271206"},                        // 365 days on
        {__LINE__, 1, "01 10 00 00 28 00 A2 00 00", 0, 40, 16, 0, "2026-12-06"}, // 0 days: today
        {__LINE__, 1, "01 10 00 00 28 00 A2 10 00", 0, 40, 16, 0, "2029-09-01"}, // 1000 days on
        {__LINE__, 2, kSerial, 100, 10, 16, 1, "00000001"},
        {__LINE__, 2, "01 10 00 64 0A 01 04 FF FF FF FF FF FF 01 01", 100, 10, 16, 1, "281474976710655"}, // never cut
        {__LINE__, 2, "01 10 00 64 0A 01 00 00 00 00 00 30 39 00 05", 100, 10, 16, 1, "12345"},
        {__LINE__, 3, kShift, 20, 100, 16, 1, "B"},
        {__LINE__, 3, "01 10 00 14 64 01 08", 20, 100, 16, 1, "H"},
        {__LINE__, 3, "01 10 00 14 64 01 09", 0, 0, 0, 0, "unknown shift code 9"},
        {__LINE__, 3, "01 10 00 14 64 01 00", 0, 0, 0, 0, "unknown shift code 0"},
        {__LINE__, 0, "02 20 01 2C 00 02 AB", 0, 0, 0, 0, "unknown date style code AB"},
        {__LINE__, 0, "02 20 01 2C 00 02 A0", 0, 0, 0, 0, "unknown date style code A0"},
        {__LINE__, 1, "01 10 00 00 28 00 A1 0A 65", 0, 0, 0, 0, "expiry days not in packed decimal"},
        {__LINE__, 0, "01 00 00 00 00 00 A1", 0, 0, 0, 0, "font height 0"},
        {__LINE__, 0, "02 20 01 2C 00 02", 0, 0, 0, 0, "field bytes of the wrong length"},
        {__LINE__, 4, kShift, 0, 0, 0, 0, "field bytes of the wrong length"},
    };
    for (const Row& r : rows) {
        QString problem;
        const auto field = decodeField(r.kind, hexBytes(r.bytes), kClockSet, problem);
        if (r.font == 0) {
            EXPECT_FALSE(field) << "line " << r.line;
            EXPECT_EQ(problem, QString::fromUtf8(r.text)) << "line " << r.line;
            continue;
        }
        ASSERT_TRUE(field) << "line " << r.line << ": " << qPrintable(problem);
        EXPECT_EQ(QList<int>({field->x, field->y, field->fontDots, field->spacing}),
                  QList<int>({r.x, r.y, r.font, r.spacing}))
            << "line " << r.line;
        EXPECT_EQ(field->text, QString::fromUtf8(r.text)) << "line " << r.line;
    }
}

// Each field's value lands in its box and nowhere else; a kind the send left
// out (0xC5) prints nothing. Boxes by the dot-width rule, worked by hand:
// date 10 half-width characters x (32 / 2 + 2) = 180 wide, 32 high; expiry
// 8 x (8 + 0) = 64; serial 8 x (8 + 1) = 72; shift 1 x (8 + 1) = 9.
TEST(PrinterPrint, FieldsLandInTheirBoxesOnly) {
    const QRect boxes[] = {{300, 0, 180, 32}, {0, 40, 64, 16}, {100, 10, 72, 16}, {20, 100, 9, 16}};
    const char* const bytes[] = {kDate, kExpiry, kSerial, kShift};
    const char* const masks[] = {"DESN", "D-S-", "-E-N", "----"};
    for (const char* mask : masks) {
        StoredMessage message = blankMessage(512);
        for (int k = 0; k < 4; ++k)
            if (mask[k] != '-') message.fields[size_t(k)] = hexBytes(bytes[k]);
        const PrintedMessage printed = printMessage(message, kClockSet);
        ASSERT_EQ(printed.picture.size(), QSize(512, 128)) << mask;
        EXPECT_TRUE(printed.problems.isEmpty()) << qPrintable(printed.problems.join(';'));
        int inBoxes = 0;
        for (int k = 0; k < 4; ++k) {
            const int dots = dotsIn(printed.picture, boxes[k]);
            inBoxes += dots;
            if (mask[k] == '-') EXPECT_EQ(dots, 0) << mask << " kind " << k;
            else EXPECT_GT(dots, 10) << mask << " kind " << k;
        }
        EXPECT_EQ(dotsIn(printed.picture, printed.picture.rect()), inBoxes) << mask << ": dots outside the boxes";
    }
    QString problem;
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(fieldBox(*decodeField(k, hexBytes(bytes[k]), kClockSet, problem)), boxes[k]) << "kind " << k;
}

// The values are ink on the background: its dots all stay, and outside the
// boxes nothing changes.
TEST(PrinterPrint, BackgroundDotsStay) {
    StoredMessage message = blankMessage(512);
    for (int i = 0; i < message.background.size(); ++i) message.background[i] = char(i * 37 % 251);
    message.fields[2] = hexBytes(kSerial);
    const QImage background = unpackColumns(message.background);
    const QImage printed = printMessage(message, kClockSet).picture;
    const QRect serialBox(100, 10, 72, 16);
    int added = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 512; ++x) {
            const bool before = mono::dot(background, x, y), after = mono::dot(printed, x, y);
            EXPECT_TRUE(!before || after) << x << "," << y;
            if (!serialBox.contains(x, y)) {
                EXPECT_EQ(before, after) << x << "," << y;
            }
            added += after && !before;
        }
    EXPECT_GT(added, 0);
}

// The printer's clock as set by 0xB2 and advanced by the time passed since;
// the computer's time before it is set.
TEST(PrinterClock, AdvancesFromTheTimeItWasSet) {
    QDateTime host(QDate(2030, 1, 1), QTime(8, 0, 0));
    PrinterState state([&host] { return host; });
    EXPECT_EQ(state.now(), host);
    ReadFrame clock{{}, true, {}, 0xB2, hexBytes("20 26 12 06 18 09 42")}; // the protocol's clock example
    EXPECT_EQ(state.apply(clock), "clock 2026-12-06 18:09:42");
    EXPECT_EQ(state.now(), kClockSet);
    host = host.addSecs(90 * 60 + 5);
    EXPECT_EQ(state.now(), QDateTime(QDate(2026, 12, 6), QTime(19, 39, 47)));
}

namespace {
ReadFrame frame(quint8 command, const QByteArray& payload) {
    return ReadFrame{{}, true, {}, command, payload};
}
} // namespace

// A whole send through the printer's state: the date printed is the one of
// its clock, drawn dot for dot as the date text of that clock's time would be.
TEST(PrinterPrint, DateComesFromThePrintersClock) {
    QDateTime host(QDate(2030, 1, 1), QTime(8, 0, 0));
    PrinterState state([&host] { return host; });
    state.apply(frame(0xB2, hexBytes("20 26 12 06 18 09 42")));
    host = host.addSecs(90 * 60);
    const QByteArray background(512 * 16, 0);
    QStringList notes;
    for (int s = 1; s <= 3; ++s)
        notes << state.apply(frame(0xB1, hexBytes("01 01 03") + char(s) + background.mid((s - 1) * 3072, 3072)));
    notes << state.apply(frame(0xC1, hexBytes("01 01 02 20 01 2C 00 02 A6"))); // style 5: date and time
    for (int i = 0; i < 3; ++i) notes << state.apply(frame(0xC5, hexBytes("01 01")));
    const QList<PrinterEvent> events = state.takeEvents();
    ASSERT_EQ(events.size(), 2) << qPrintable(notes.join('\n'));
    EXPECT_EQ(events[0].kind, PrinterEvent::BackgroundReady);
    EXPECT_EQ(events[1].kind, PrinterEvent::MessageReady);
    EXPECT_EQ(events[1].templateNumber, 1);

    const QImage printed = printMessage(*state.message(1), state.now()).picture;
    const auto drawn = [](const QString& text) {
        QImage expected = mono::create(512, 128);
        drawFieldValue(expected, FieldPrint{300, 0, 32, 2, text});
        return mono::toText(expected);
    };
    const QString clockText = formatFieldDate(5, 0, QDateTime(QDate(2026, 12, 6), QTime(19, 39, 42)));
    ASSERT_EQ(clockText, "2026-12-06 19:39");
    EXPECT_EQ(mono::toText(printed), drawn(clockText));
    // The computer's date would look different.
    EXPECT_NE(mono::toText(printed), drawn(formatFieldDate(5, 0, host)));
}
