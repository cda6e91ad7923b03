#include "common/IniFile.h"
#include "common/Gbk.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
IniFile sample() {
    return IniFile::fromBytes("[Main]\r\nImageWidth = 640 \r\nZoom=\"300dpi\"\r\nName='x'\r\nHex=0x1F\r\n"
                              "Dollar=$10\r\nBad=12a\r\nNeg=-7\r\nFlag=5\r\nQuote=\"a\r\n[Other]\r\nk=v\r\n");
}
} // namespace

TEST(IniFile, ReadingRules) {
    const IniFile ini = sample();
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } strings[] = {
        {"Main", "ImageWidth", "640"}, // blanks trimmed
        {"MAIN", "imagewidth", "640"}, // names without regard to case
        {"Main", "Zoom", "300dpi"},    // double quotes removed
        {"Main", "Name", "x"},         // single quotes removed
        {"Main", "Quote", "\"a"},      // an unpaired quote stays
        {"Main", "Missing", "dflt"},   // missing key
        {"Nowhere", "k", "dflt"},      // missing section
    };
    for (const Row& r : strings) EXPECT_EQ(ini.readString(r.section, r.key, "dflt"), QString(r.expected)) << r.key;

    EXPECT_EQ(ini.readInteger("Main", "ImageWidth", 1), 640);
    EXPECT_EQ(ini.readInteger("Main", "Hex", 1), 31);
    EXPECT_EQ(ini.readInteger("Main", "Dollar", 1), 16);
    EXPECT_EQ(ini.readInteger("Main", "Bad", 99), 99);
    EXPECT_EQ(ini.readInteger("Main", "Neg", 1), -7);
    EXPECT_EQ(ini.readInteger("Main", "Zoom", 3), 3);
    EXPECT_TRUE(ini.readBool("Main", "Flag", false));
    EXPECT_TRUE(ini.readBool("Main", "Neg", false)); // any integer but 0 is true
    EXPECT_TRUE(ini.readBool("Main", "Missing", true));
}

TEST(IniFile, ValueIsCutAt2047Characters) {
    const QByteArray longValue(3000, 'a');
    const IniFile ini = IniFile::fromBytes("[S]\r\nk=" + longValue + "\r\n");
    EXPECT_EQ(ini.readString("S", "k", "").size(), 2047);
}

TEST(IniFile, WritingPlacesKeysAndSections) {
    IniFile ini;
    ini.writeString("Main", "ImageWidth", "512");
    ini.writeInteger("Main", "MoBan", 1);
    ini.writeString("csStr0", "ConStyle", "csStr");
    ini.writeBool("csStr0", "Bold", false);
    ini.writeInteger("Main", "ControlCount", 1);  // to the end of an existing section
    ini.writeString("Main", "imagewidth", "640"); // replaced where it stands
    EXPECT_EQ(ini.toBytes(), QByteArray("[Main]\r\nimagewidth=640\r\nMoBan=1\r\nControlCount=1\r\n"
                                        "[csStr0]\r\nConStyle=csStr\r\nBold=0\r\n"));
}

TEST(IniFile, GbkRoundTripThroughAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.spt");
    IniFile ini;
    ini.writeString("csDate0", "UserExplain", QStringLiteral("生产日期："));
    ASSERT_TRUE(ini.save(path).isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[csDate0]\r\nUserExplain=\xC9\xFA\xB2\xFA\xC8\xD5\xC6\xDA\xA3\xBA\r\n"));
    EXPECT_EQ(IniFile::load(path).readString("csdate0", "userexplain", ""), QStringLiteral("生产日期："));
}

TEST(IniFile, FailedSaveLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/t.spt");
    IniFile ini;
    ini.writeString("Main", "k", "v");
    EXPECT_FALSE(ini.save(path).isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(IniFile::load(path).sectionNames().isEmpty()); // missing file reads empty
}

TEST(IniFile, UnchangedTextRoundTrips) {
    const QByteArray text("; comment\r\n[A]\r\nx = 1\r\n\r\n[B]\r\ny=2\r\n");
    IniFile ini = IniFile::fromBytes(text);
    EXPECT_EQ(ini.toBytes(), text);
    ini.writeString("A", "z", "3"); // goes after x, above the blank line
    EXPECT_EQ(ini.toBytes(), QByteArray("; comment\r\n[A]\r\nx = 1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"));
}

TEST(IniFile, AFifoIsNeverOpened) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // nobody writes to it: opening it for reading the ordinary way would wait forever
    EXPECT_TRUE(IniFile::load(fifo).sectionNames().isEmpty());
}

// Repeated names: the first section and the first key of a name win, whatever
// their case, for reading and for replacing; a new key goes to the end of that
// first section, above its blank lines, and is found again.
TEST(IniFile, RepeatedNamesMeetTheFirstOfThem) {
    IniFile ini = IniFile::fromBytes(gbk::encode("[Main]\r\nK=1\r\nk=2\r\n\r\n[MAIN]\r\nK=3\r\n[Ωmega]\r\nx=4\r\n"));
    EXPECT_EQ(ini.readString("main", "K", ""), "1");
    EXPECT_EQ(ini.readString("ωMEGA", "X", ""), "4"); // Greek letters are in GBK and have cases too
    ini.writeString("MAIN", "k", "5");
    ini.writeString("main", "New", "6");
    EXPECT_EQ(ini.readString("Main", "new", ""), "6");
    EXPECT_EQ(ini.toBytes(), gbk::encode("[Main]\r\nk=5\r\nk=2\r\nNew=6\r\n\r\n[MAIN]\r\nK=3\r\n[Ωmega]\r\nx=4\r\n"));
}
