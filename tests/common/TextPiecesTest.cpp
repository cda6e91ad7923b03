#include "common/TextPieces.h"

#include <gtest/gtest.h>

TEST(TextPieces, SplitTextKeepsEmptyPieces) {
    EXPECT_EQ(splitText("", '/'), QStringList{""});
    EXPECT_EQ(splitText("csStr0//csDate2", '/'), (QStringList{"csStr0", "", "csDate2"}));
    EXPECT_EQ(splitText("a/", '/'), (QStringList{"a", ""}));
    EXPECT_EQ(splitText("a^b", '^'), (QStringList{"a", "b"}));
}

TEST(TextPieces, TrimBlanksRemovesControlCharacters) {
    EXPECT_EQ(trimBlanks(" \t640\r\n "), "640");
    EXPECT_EQ(trimBlanks("   "), "");
}
