#include "common/Gbk.h"
#include "common/MonoImage.h"
#include "link/BackgroundPacking.h"
#include "link/FieldSettings.h"
#include "link/SendRefused.h"
#include "model/DateStyles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// Payload bytes of settings frames worked by hand from the printer's field layout
// (template 1, resolution number 1); the frame adds 01 00 cmd, length, check.
TEST(FieldSettings, PayloadsOfTheProtocolExamples) {
    struct Row {
        QByteArray fieldBytes;
        const char* payload;
        const char* note;
    } rows[] = {
        {serialFieldBytes({16, 100, 10, 1}, 8, "1", 1), "01 01 01 10 00 64 0A 01 08 00 00 00 00 00 01 01 01",
         "serial number, 16 dots at (100, 10), spacing 1, 8 digits, start 1, +1"},
        {dateFieldBytes({32, 300, 0, 2}, "A2"), "01 01 02 20 01 2C 00 02 A2", "date 32 dots at (300, 0), 2006-01-10"},
        {periodFieldBytes({16, 0, 40, 0}, "A1", 365), "01 01 01 10 00 00 28 00 A1 03 65", "expiry 365 days"},
        {shiftFieldBytes({16, 20, 100, 1}, "B"), "01 01 01 10 00 14 64 01 02", "shift B"},
    };
    for (const Row& r : rows) EXPECT_EQ(toHex(settingsPayload(1, 1, r.fieldBytes)), r.payload) << r.note;
}

TEST(FieldSettings, SerialIncrementsAndStartValues) {
    const FieldPlace p{16, 0, 0, 0};
    // Worked by hand: start value in 6 big-endian bytes (low 48 bits), 1 when the increment is
    // above 0 else 0, then the low 8 bits of its magnitude.
    struct Row {
        const char* start;
        int increment;
        const char* tail; // start value (6 bytes), direction, magnitude
    } rows[] = {
        {"1", -5, "00 00 00 00 00 01 00 05"},
        {"1", 0, "00 00 00 00 00 01 00 00"},
        {"1", 7, "00 00 00 00 00 01 01 07"},
        {"281474976710656", 1, "00 00 00 00 00 00 01 01"}, // 2^48 keeps its low 48 bits
        {"281474976710657", 1, "00 00 00 00 00 01 01 01"}, // 2^48 + 1
        {"00000123", 1, "00 00 00 00 00 7B 01 01"},        // leading zeros are decimal
        {"1", 300, "00 00 00 00 00 01 01 2C"},             // magnitude keeps its low 8 bits
    };
    for (const Row& r : rows)
        EXPECT_EQ(toHex(serialFieldBytes(p, 8, r.start, r.increment).mid(7)), r.tail) << r.start << " " << r.increment;
}

TEST(FieldSettings, StartValueThatIsNoDecimalNumberIsRefused) {
    const char* bad[] = {"", "12a", "$10", " 1", "1.5", "一"};
    for (const char* text : bad) {
        try {
            serialFieldBytes({16, 0, 0, 0}, 8, QString::fromUtf8(text), 1);
            ADD_FAILURE() << "accepted " << text;
        } catch (const SendRefused& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(text)));
        }
    }
}

TEST(FieldSettings, CodesAndLeadWidths) {
    EXPECT_EQ(dateStyleCode("A1"), 0xA1);
    EXPECT_EQ(dateStyleCode("AA"), 0xAA);
    // Worked by hand: shift letters "A".."H" are 01..08, anything else 01.
    const char* shifts[][2] = {{"A", "01"}, {"H", "08"}, {"I", "01"}, {"b", "01"}, {"", "01"}};
    for (const auto& s : shifts) EXPECT_EQ(toHex(shiftFieldBytes({16, 0, 0, 0}, s[0]).right(1)), s[1]) << s[0];
    // 生产日期： is five double-byte characters: (16 + 2) x 5
    EXPECT_EQ(leadWidth(gbk::encode(QStringLiteral("生产日期：")), 16, 2), 90);
    // two single-byte characters, F 16, P 1: 2 x (8 + 1)
    EXPECT_EQ(leadWidth("No", 16, 1), 18);
    EXPECT_EQ(leadWidth("", 16, 1), 0);
    // a period of 10000 days or more sends its first four digits
    EXPECT_EQ(toHex(periodFieldBytes({16, 0, 0, 0}, "A1", 12345).right(2)), "12 34");
    EXPECT_EQ(toHex(periodFieldBytes({16, 0, 0, 0}, "A1", 7).right(2)), "00 07");
}

TEST(BackgroundPacking, ResolutionNumbersAndWidths) {
    const QStringList dpi{"100dpi", "200dpi", "300dpi", "400dpi"};
    EXPECT_EQ(resolutionNumber(dpi, "200dpi"), 2);
    EXPECT_EQ(resolutionNumber(dpi, " 300dpi "), 3);
    EXPECT_EQ(resolutionNumber(dpi, "250dpi"), 0);
    EXPECT_EQ(resolutionNumber(dpi, "200DPI"), 0);
    EXPECT_EQ(scaledWidth(1, "200dpi", 512), 512);
    EXPECT_EQ(scaledWidth(1, "300dpi", 512), 768);
    EXPECT_EQ(scaledWidth(1, "100dpi", 511), 255);
    EXPECT_EQ(scaledWidth(2, "300dpi", 511), 255);
    EXPECT_EQ(scaledWidth(3, "300dpi", 512), 0);
    for (const char* resolution : {"dpi", "1.5dpi", "", "99999999999dpi"})
        EXPECT_THROW(scaledWidth(1, resolution, 512), SendRefused) << resolution;
}

TEST(BackgroundPacking, ColumnsPackTopToBottomWithTheUpperRowInTheHighBit) {
    QImage b = mono::create(3, 128);
    mono::setDot(b, 0, 0, true);   // column 0: only row 0
    mono::setDot(b, 1, 127, true); // column 1: only row 127
    mono::setDot(b, 2, 9, true);   // column 2: row 9 is bit 6 of byte 1
    const QByteArray packed = packColumns(b);
    ASSERT_EQ(packed.size(), 48);
    EXPECT_EQ(toHex(packed.mid(0, 16)), "80 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(toHex(packed.mid(16, 16)), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01");
    EXPECT_EQ(toHex(packed.mid(32, 2)), "00 40");
    EXPECT_TRUE(packColumns(QImage()).isEmpty());
    // a picture in another format is reduced to one bit first: dark pixels are dots
    QImage colour(3, 128, QImage::Format_RGB32);
    colour.fill(Qt::white);
    colour.setPixel(0, 0, qRgb(0, 0, 0));
    colour.setPixel(1, 127, qRgb(20, 20, 20));
    colour.setPixel(2, 9, qRgb(0, 0, 0));
    EXPECT_EQ(packColumns(colour), packed);
}

TEST(BackgroundPacking, SqueezingKeepsEveryDotAndStretchingRepeatsColumns) {
    const QImage source = mono::fromText("#...#.\n.#....\n");
    EXPECT_EQ(mono::toText(scaleColumns(source, 3)), QString("#.#\n#..\n")); // pairs merged
    EXPECT_EQ(mono::toText(scaleColumns(source, 12)), QString("##......##..\n..##........\n"));
    EXPECT_EQ(mono::toText(scaleColumns(source, 6)), mono::toText(source));
    EXPECT_EQ(mono::toText(scaleColumns(source, 9)), QString("##....##.\n..#......\n"));
    EXPECT_TRUE(scaleColumns(source, 0).isNull());
}

TEST(FieldSettings, OneReadingOfTheDateStyleCodeForPreviewAndSend) {
    // Codes are hexadecimal after the blanks are dropped; A1..AA are the ten styles.
    struct Row {
        const char* code;
        int style; // -1: names no style
    };
    const Row rows[] = {{"A1", 0},  {"A 2", 1}, {" AA ", 9}, {"a5", 4}, {"AB", -1},
                        {"B5", -1}, {"ZZ", -1}, {"", -1},    {"A0", -1}};
    for (const Row& r : rows) {
        const QString code = QString::fromLatin1(r.code);
        EXPECT_EQ(dateStyleIndex(code).value_or(-1), r.style) << r.code;
        if (r.style >= 0) {
            EXPECT_EQ(int(dateStyleCode(code)), 0xA1 + r.style) << r.code; // the byte is the code read as hex
            continue;
        }
        try {
            dateStyleCode(code);
            ADD_FAILURE() << "sent " << r.code;
        } catch (const SendRefused& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("A1 至 AA"))) << e.what();
        }
    }
}

TEST(FieldSettings, APositionTheLineCannotHoldIsRefused) {
    // two bytes across, one down
    const FieldPlace places[] = {{16, -1, 0, 0}, {16, 65536, 0, 0}, {16, 0, 256, 0}, {16, 0, -2147483647, 0}};
    for (const FieldPlace& p : places) EXPECT_THROW(shiftFieldBytes(p, "A"), SendRefused) << p.x << " " << p.y;
    EXPECT_EQ(toHex(shiftFieldBytes({16, 65535, 255, 0}, "A")), "01 10 FF FF FF 00 01");
}
