#include "model/DateStyles.h"
#include "model/FieldError.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

namespace {
QDateTime at(int y, int mo, int d, int h, int mi) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, 0));
}
} // namespace

// Expected texts worked by hand from the date style table.
TEST(DateStyles, EveryStyleOnFixedDates) {
    struct Row {
        int style;
        QDateTime now;
        const char* text;
    };
    const QDateTime march5 = at(2007, 3, 5, 9, 5);
    const QDateTime dec31 = at(2010, 12, 31, 23, 59);
    // Worked by hand from the ten date styles (digits, separators, padding, "Jan".."Dec").
    const Row rows[] = {
        {0, march5, "20070305"},
        {1, march5, "2007-03-05"},
        {2, march5, "05/03/2007"},
        {3, march5, "2007年03月05日"}, // month and day padded, unlike the list's sample
        {4, march5, "20070305 09:05"},
        {5, march5, "2007-03-05 09:05"},
        {6, march5, "05/03/2007 09:05"},
        {7, march5, "2007年03月05日 09:05"},
        {8, march5, "5 Mar 2007"},
        {9, march5, "5 Mar 2007 9:5"},
        {0, dec31, "20101231"},
        {3, dec31, "2010年12月31日"},
        {7, dec31, "2010年12月31日 23:59"},
        {8, dec31, "31 Dec 2010"},
        {9, dec31, "31 Dec 2010 23:59"},
        {9, at(2007, 1, 10, 0, 0), "10 Jan 2007 0:0"},
        {4, at(2007, 1, 10, 0, 0), "20070110 00:00"},
        {-1, march5, ""},
        {10, march5, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(formatFieldDate(r.style, 0, r.now), QString::fromUtf8(r.text));
    }
}

// Whole days are added and the time of day stays.
TEST(DateStyles, DaysAreAddedKeepingTheTimeOfDay) {
    struct Row {
        QDateTime now;
        int days, style;
        const char* text;
    };
    // Worked by hand on the calendar (whole days added, time of day kept); the last by Python datetime.
    const Row rows[] = {
        {at(2007, 3, 1, 8, 30), 365, 1, "2008-02-29"}, // 2008 is a leap year
        {at(2007, 3, 1, 8, 30), 365, 5, "2008-02-29 08:30"},
        {at(2007, 3, 1, 8, 30), 0, 1, "2007-03-01"},
        {at(2007, 12, 31, 23, 59), 1, 6, "01/01/2008 23:59"},
        {at(2007, 3, 1, 8, 30), 65535, 1, "2186-08-04"}, // the largest period (Python datetime)
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(formatFieldDate(r.style, r.days, r.now), QString::fromUtf8(r.text));
    }
}

TEST(DateStyles, PadLeftZerosNeverCuts) {
    struct Row {
        const char* text;
        int length;
        const char* padded;
    };
    // Worked by hand: "0" put in front up to the length; a longer text stays as it is.
    const Row rows[] = {
        {"7", 8, "00000007"},
        {"1", 8, "00000001"},
        {"00000001", 8, "00000001"},
        {"123456789", 4, "123456789"},
        {"", 3, "000"},
        {"12", 0, "12"},
        {"12", -5, "12"},
        {"ab", 4, "00ab"}, // not a number: padded as typed
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(padLeftZeros(QString::fromUtf8(r.text), r.length), QString::fromUtf8(r.padded));
    }
}

// The code is hexadecimal minus 0xA1; blanks anywhere are removed.
TEST(DateStyles, StyleCodesAndIndices) {
    struct Row {
        const char* code;
        int index;
    };
    // Worked by hand: blanks removed, read as hexadecimal, minus 0xA1 (161).
    const Row rows[] = {{"A1", 0}, {"A5", 4}, {"A9", 8}, {"AA", 9}, {"aa", 9}, {" A 3 ", 2}, {"A0", -1}, {"B1", 16}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        EXPECT_EQ(styleCodeToIndex(QString::fromUtf8(r.code)), r.index);
    }
    for (int i = 0; i < kDateStyleCount; ++i) EXPECT_EQ(styleCodeToIndex(styleIndexToCode(i)), i);
    EXPECT_EQ(styleIndexToCode(0), QStringLiteral("A1"));
    EXPECT_EQ(styleIndexToCode(8), QStringLiteral("A9"));
    EXPECT_EQ(styleIndexToCode(9), QStringLiteral("AA"));
    EXPECT_EQ(styleIndexToCode(-1), QStringLiteral("A0")); // no style chosen
}

TEST(DateStyles, ACodeThatIsNoHexNumberFailsWithTheConversionMessage) {
    // The conversion message the editor shows: "'%s' is not a valid integer value", %s = "$" + code.
    const char* codes[] = {"ZZ", "", "A1x"};
    const char* messages[] = {"'$ZZ' is not a valid integer value", "'$' is not a valid integer value",
                              "'$A1x' is not a valid integer value"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(codes[i]);
        try {
            styleCodeToIndex(QString::fromUtf8(codes[i]));
            ADD_FAILURE() << "no error";
        } catch (const FieldError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(messages[i]));
        }
        EXPECT_FALSE(tryStyleCodeToIndex(QString::fromUtf8(codes[i])).has_value());
    }
}

TEST(DateStyles, SamplesOfTheStyleLists) {
    EXPECT_EQ(dateStyleSamples().size(), kDateStyleCount);
    EXPECT_EQ(dateStyleSample(0), QStringLiteral("20060110"));
    EXPECT_EQ(dateStyleSample(3), QStringLiteral("2006年1月10日"));
    EXPECT_EQ(dateStyleSample(8), QStringLiteral("10 Jan 2006 ")); // with its trailing blank
    EXPECT_EQ(dateStyleSample(9), QStringLiteral("10 Jan 2006 10:04"));
    EXPECT_EQ(dateStyleSample(-1), QString());
    EXPECT_EQ(dateStyleSample(10), QString());
}
