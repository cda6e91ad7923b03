#include "common/Gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, CodecIsAvailableAndRoundTrips) {
    ASSERT_TRUE(gbk::available());
    // 中 is D6 D0 in GBK; ： (full-width colon) is A3 BA.
    EXPECT_EQ(gbk::encode(QStringLiteral("中A：")), QByteArray("\xD6\xD0"
                                                               "A"
                                                               "\xA3\xBA"));
    EXPECT_EQ(gbk::decode(QByteArray("\xD6\xD0"
                                     "A")),
              QStringLiteral("中A"));
}

TEST(Gbk, CharactersGbkLacksBecomeOneQuestionMarkEach) {
    const QString text = QStringLiteral("A") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("中");
    EXPECT_FALSE(gbk::canEncode(text));
    EXPECT_EQ(gbk::encode(text), QByteArray("A?\xD6\xD0"));
}

struct CountCase {
    const char* bytes;
    int full, half, highPairs;
    const char* note;
};

TEST(Gbk, CharacterCounts) {
    const CountCase cases[] = {
        {"", 0, 0, 0, "empty"},
        {"ABC", 0, 3, 0, "ASCII only"},
        {"\xC9\xFA\xB2\xFA\xC8\xD5\xC6\xDA\xA3\xBA", 5, 0, 5, "生产日期： (GB2312)"},
        {"A\xD6\xD0"
         "1",
         1, 2, 1, "mixed"},
        // 丂 is 81 40 in GBK: full width for the canvas, but its bytes are below
        // 0xA1 so the printer counts it as two single-byte characters.
        {"\x81\x40", 1, 0, 0, "GBK extension character"},
        {"\xD6", 0, 1, 0, "dangling lead byte"},
    };
    for (const CountCase& c : cases) {
        const QByteArray b(c.bytes);
        EXPECT_EQ(gbk::fullWidthCount(b), c.full) << c.note;
        EXPECT_EQ(gbk::halfWidthCount(b), c.half) << c.note;
        EXPECT_EQ(gbk::highPairCount(b), c.highPairs) << c.note;
    }
}
