#include "common/NumberText.h"

#include <gtest/gtest.h>
#include <limits>

TEST(NumberText, KeepDigitsKeepsDotsAndDigits) {
    EXPECT_EQ(keepDigits("200dpi"), "200");
    EXPECT_EQ(keepDigits("1.5x2"), "1.52");
    EXPECT_EQ(keepDigits("dpi"), "");
}

TEST(NumberText, WholeNumbers) {
    // Worked by hand from how the system reads whole numbers: blanks only in front, a sign,
    // decimal or hexadecimal after "$"/"0x"/"0X", nothing after, within 64 bits.
    struct Row {
        const char* text;
        std::optional<qint64> expected;
    } rows[] = {
        {"123", 123},
        {"  42", 42},
        {"-7", -7},
        {"+5", 5},
        {"$FF", 255},
        {"0x1f", 31},
        {"0X10", 16},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {"1 ", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"281474976710656", 281474976710656LL}, // 2^48
        {"9223372036854775808", std::nullopt},  // one above the largest
        {"-9223372036854775808", std::numeric_limits<qint64>::min()},
        {"１２", std::nullopt}, // full-width digits are not digits here
    };
    for (const Row& r : rows) EXPECT_EQ(readInt64(r.text), r.expected) << r.text;
    EXPECT_EQ(readInt("2147483648"), std::nullopt);
    EXPECT_EQ(readInt("$FFFFFFFF"), -1);
    EXPECT_EQ(readIntOr("x", 9), 9);
}

TEST(NumberText, DecimalInRange) {
    // decimal only, nothing around it, inside the bounds
    EXPECT_EQ(decimalInRange("15", 0, 15), 15);
    EXPECT_EQ(decimalInRange("-3", -5, 5), -3);
    for (const char* text : {"16", "$F", "0xF", " 1", "1 ", "", "99999999999"})
        EXPECT_EQ(decimalInRange(text, 0, 15), std::nullopt) << text;
}
