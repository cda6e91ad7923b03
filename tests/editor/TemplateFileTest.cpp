#include "editor/TemplateFile.h"
#include "common/Gbk.h"
#include "common/MonoImage.h"
#include "model/Coordinates.h"
#include "model/FieldPlacement.h"
#include "model/PictureBudget.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileDevice>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray crlf(const char* utf8Lines) {
    return gbk::encode(QString::fromUtf8(utf8Lines).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

TemplateAttributes load(MessageTemplate& m, const QString& path) {
    TemplateAttributes seen;
    loadTemplate(m, path, [&](const TemplateAttributes& a) { seen = a; });
    return seen;
}

} // namespace

TEST(TemplateFile, EmptyTemplate) {
    MessageTemplate m;
    // worked out by hand from the key order of section Main
    EXPECT_EQ(templateFileBytes(m, {}), crlf("[Main]\nImageWidth=512\nImageHeight=128\nMoBan=1\nZoom=200dpi\n"
                                             "ControlCount=0\nControlCaption=\n"));
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.spt");
    saveTemplate(m, {}, path);
    MessageTemplate opened;
    load(opened, path);
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(opened.NextControlNo(), 0);
}

TEST(TemplateFile, KeysOfEveryKindInTheirOrder) {
    MessageTemplate m;
    for (eStyle kind : kAllFieldKinds) placeField(m, kind, 10, 5);
    m.find(3)->asField()->SetUserValue("A2");
    const QByteArray bytes = templateFileBytes(m, {640, 128, 7, "300dpi"});
    const QString text = gbk::decode(bytes);
    // hand-written expectation of each section (the date's value is a style code, not a date)
    const char* sections[] = {
        "[Main]\r\nImageWidth=640\r\nImageHeight=128\r\nMoBan=7\r\nZoom=300dpi\r\nControlCount=7\r\n"
        "ControlCaption=csBarCode0/csImage1/csStr2/csDate3/csPeriod4/csNo5/csRunNo6\r\n",
        "[csBarCode0]\r\nConStyle=csBarCode\r\nBarCodeType=1\r\nRotation=0\r\nModuleWidth=9\r\nHeightPercent=85\r\n"
        "BarCodeValue=1234567890128\r\nHumanreadable=1\r\nLeft=10\r\nTop=5\r\n",
        "[csImage1]\r\nConStyle=csImage\r\nSource=\r\nWidth=64\r\nHeight=64\r\nLeft=10\r\nTop=5\r\n",
        "[csStr2]\r\nConStyle=csStr\r\nFontName=宋体\r\nFontSize=12\r\nSpace=2\r\nBold=0\r\nItalic=0\r\nUnderline=0\r\n"
        "UserValue=中华人民共和国制造\r\nLeft=10\r\nTop=5\r\n",
        "[csDate3]\r\nConStyle=csDate\r\nUserExplain=生产日期：\r\nUserFontSize=16\r\nUserSpace=2\r\nUserValue=A2\r\n"
        "Left=10\r\nTop=5\r\n",
        "[csPeriod4]\r\nConStyle=csPeriod\r\nUserExplain=有效期：\r\nUserFontSize=16\r\nUserSpace=2\r\nUserValue=A1\r\n"
        "UserPeriod=365\r\nLeft=10\r\nTop=5\r\n",
        "[csNo5]\r\nConStyle=csNo\r\nUserExplain=序号：\r\nUserFontSize=16\r\nUserSpace=2\r\nUserValue=00000001\r\n"
        "UserNoDigit=8\r\nUserIncrement=1\r\nLeft=10\r\nTop=5\r\n",
        "[csRunNo6]\r\nConStyle=csRunNo\r\nUserExplain=班次：\r\nUserFontSize=16\r\nUserSpace=2\r\nUserValue=A\r\n"
        "Left=10\r\nTop=5\r\n",
    };
    QString expected;
    for (const char* s : sections) expected += QString::fromUtf8(s);
    EXPECT_EQ(text, expected);
}

TEST(TemplateFile, SaveLoadSaveGivesTheSameBytes) {
    MessageTemplate m;
    for (eStyle kind : kAllFieldKinds) placeField(m, kind, 3 * kind, 2 * kind);
    QTemporaryDir dir;
    const QString first = dir.filePath("a.spt"), second = dir.filePath("b.spt");
    saveTemplate(m, {1000, 128, 3, "400dpi"}, first);
    MessageTemplate opened;
    const TemplateAttributes a = load(opened, first);
    EXPECT_EQ(a.width, 1000);
    EXPECT_EQ(a.moBan, 3);
    EXPECT_EQ(a.resolution, "400dpi");
    saveTemplate(opened, a, second);
    EXPECT_EQ(readFile(second), readFile(first));
}

TEST(TemplateFile, ElementsAreRenumberedInCaptionOrder) {
    MessageTemplate m;
    for (int i = 0; i < 6; ++i) placeField(m, i == 2 ? csStr : csDate, 0, 0);
    for (int n : {0, 1, 3, 4}) m.remove(n); // a string numbered 2 and a date numbered 5 remain
    QTemporaryDir dir;
    const QString path = dir.filePath("t.spt");
    saveTemplate(m, {}, path);
    EXPECT_TRUE(gbk::decode(readFile(path)).contains("ControlCaption=csStr2/csDate5\r\n"));
    MessageTemplate opened;
    load(opened, path);
    ASSERT_NE(opened.find(0), nullptr);
    ASSERT_NE(opened.find(1), nullptr);
    EXPECT_EQ(opened.find(0)->kind(), csStr);
    EXPECT_EQ(opened.find(1)->kind(), csDate);
    EXPECT_EQ(opened.NextControlNo(), 2);
    EXPECT_EQ(opened.selectedElement(), opened.find(1));
}

TEST(TemplateFile, EmptyCaptionPieceLeavesAGapThatPlacementDoesNotReuse) {
    QTemporaryDir dir;
    const QString path = dir.filePath("gap.spt");
    writeFile(path, crlf("[Main]\nImageWidth=512\nImageHeight=128\nControlCaption=csStr0//csDate2\n"
                         "[csStr0]\nUserValue=  AB  \nLeft=10\nTop=5\n[csDate2]\nLeft=0\nTop=0\n"));
    MessageTemplate m;
    load(m, path);
    EXPECT_EQ(m.find(0)->kind(), csStr);
    EXPECT_EQ(m.find(1), nullptr);
    EXPECT_EQ(m.find(2)->kind(), csDate);
    EXPECT_EQ(m.NextControlNo(), 2);
    EXPECT_EQ(m.find(0)->asField()->UserValue(), "AB"); // blanks around the text dropped
    EXPECT_EQ(m.find(0)->templatePos(), QPoint(10, 5));
    EXPECT_EQ(m.find(0)->Left(), 31);
    // the date's section has no keys: the defaults of its kind
    EXPECT_EQ(m.find(2)->asField()->UserExplain(), QStringLiteral("生产日期："));
    EXPECT_EQ(m.find(2)->asField()->UserSpace(), 16);
    EXPECT_EQ(m.find(2)->Height(), 18); // UserFontSize 16 + 2
    // the next placement skips the number 2 that the date holds
    EXPECT_EQ(placeField(m, csRunNo, 0, 0).number(), 3);
}

TEST(TemplateFile, BarcodeKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bar.spt");
    writeFile(path, crlf("[Main]\nControlCaption=csBarCode0/csStr1/csBarCode2/csStr3\n"
                         "[csBarCode0]\nBarCodeType=4\nRotation=1\nModuleWidth=2\nHeightPercent=50\n"
                         "BarCodeValue=ABC\nHumanreadable=0\nLeft=1\nTop=2\n"
                         "[csStr1]\nUserValue=x\n[csBarCode2]\nBarCodeType=1\nBarCodeValue=123\n"));
    MessageTemplate m;
    try {
        load(m, path);
        ADD_FAILURE() << "a barcode without HeightPercent opened";
    } catch (const BarcodeError& e) {
        EXPECT_STREQ(e.what(), "Bar_HeightPercent must be in the range 20..200!");
    }
    const Barcode* b = m.find(0)->asBarcode();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Bar_CodeType(), 4);
    EXPECT_EQ(b->Bar_Rotation(), 1);
    EXPECT_EQ(b->Bar_ModuleWidth(), 2);
    EXPECT_EQ(b->Bar_HeightPercent(), 50);
    EXPECT_EQ(b->Bar_Caption(), "ABC");
    EXPECT_FALSE(b->Bar_HumanReadable());
    EXPECT_NE(m.find(1), nullptr); // elements before the refused one stay
    EXPECT_EQ(m.find(2), nullptr);
    EXPECT_EQ(m.find(3), nullptr);
}

TEST(TemplateFile, PicturesThatCannotBeReadOpenWhite) {
    QTemporaryDir dir;
    const QString bmp = dir.filePath("LOGO.BMP");
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::black);
    ASSERT_TRUE(logo.save(bmp, "BMP")); // a good BMP, but upper-case: read as JPEG, which fails
    const QString path = dir.filePath("pic.spt");
    writeFile(path, crlf(QStringLiteral("[Main]\nControlCaption=csImage0/csImage1\n"
                                        "[csImage0]\nSource=%1\nWidth=20\nHeight=10\n"
                                        "[csImage1]\nSource=%2\nWidth=12\nHeight=6\n")
                             .arg(bmp, dir.filePath("missing.bmp"))
                             .toUtf8()
                             .constData()));
    MessageTemplate m;
    load(m, path);
    for (int n : {0, 1}) {
        const QImage& p = m.find(n)->picture();
        QImage framed = mono::create(p.width(), p.height());
        for (int x = 0; x < p.width(); ++x)
            mono::setDot(framed, x, 0, true), mono::setDot(framed, x, p.height() - 1, true);
        for (int y = 0; y < p.height(); ++y)
            mono::setDot(framed, 0, y, true), mono::setDot(framed, p.width() - 1, y, true);
        EXPECT_EQ(mono::toText(p), mono::toText(framed)) << n;
    }
    EXPECT_EQ(m.find(0)->Width(), 20);
    EXPECT_EQ(m.find(1)->Height(), 6);
}

TEST(TemplateFile, MissingFileOpensAsAnEmpty512DotTemplate) {
    MessageTemplate m;
    const TemplateAttributes a = load(m, "/nonexistent/none.spt");
    EXPECT_EQ(a.width, 512);
    EXPECT_EQ(a.moBan, 1);
    EXPECT_EQ(a.resolution, "200dpi");
    EXPECT_EQ(m.count(), 0);
}

TEST(TemplateFile, AbsurdSizesInAFileDoNotExhaustMemory) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.spt");
    writeFile(path, crlf("[Main]\nImageWidth=2000000000\nImageHeight=-5\nControlCaption=csImage0\n"
                         "[csImage0]\nWidth=2000000000\nHeight=2000000000\n"));
    MessageTemplate m;
    const TemplateAttributes a = load(m, path);
    EXPECT_EQ(a.width, 512);
    EXPECT_EQ(a.height, 512);
    EXPECT_EQ(m.find(0)->Width(), 1);
}

TEST(TemplateFile, AFailedSaveLeavesTheOldFileByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.spt");
    const QByteArray old = crlf("[Main]\nImageWidth=777\n");
    writeFile(path, old);
    // a folder where no temporary file can be made beside the old one: read-only,
    // and immutable for root, whom permissions do not stop
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (getuid() == 0) QProcess::execute("chattr", {"+i", dir.path()});
    MessageTemplate m;
    placeField(m, csStr, 0, 0);
    bool refused = false;
    try {
        saveTemplate(m, {}, path);
    } catch (const TemplateFileError& e) {
        refused = true;
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to %1").arg(path));
    }
    if (getuid() == 0) QProcess::execute("chattr", {"-i", dir.path()});
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (getuid() == 0 && !refused) GTEST_SKIP() << "this file system lets root write anywhere";
    EXPECT_TRUE(refused);
    EXPECT_EQ(readFile(path), old);
}

TEST(TemplateFile, ASaveOnAFullDiskFailsAndKeepsTheOldFile) {
    const QByteArray old = crlf("[Main]\nImageWidth=777\n");
    FullFileSystem disk("keep.spt", old);
    if (!disk.full()) GTEST_SKIP() << "this machine does not permit mounting a tmpfs";
    MessageTemplate m;
    for (int i = 0; i < 20; ++i) placeField(m, csStr, 0, i); // about 4 KB: less than the save file's buffer
    const QString path = disk.filePath("keep.spt");
    try {
        saveTemplate(m, {}, path);
        ADD_FAILURE() << "a save on a full disk reported success";
    } catch (const TemplateFileError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to %1").arg(path));
    }
    EXPECT_EQ(readFile(path), old);
}

TEST(TemplateFile, TextsGbkCannotHoldAreNamedAndNeverSilentlyLost) {
    QTemporaryDir dir;
    MessageTemplate m;
    placeField(m, csStr, 0, 0).asField()->SetUserValue(QStringLiteral("Straße 한국")); // ß and Hangul: not in GBK
    placeField(m, csDate, 0, 20);                                                      // 生产日期： is GBK
    FieldElement& picture = placeField(m, csImage, 0, 40);
    const QStringList lost{"csStr0/UserValue"};
    EXPECT_EQ(textsGbkCannotHold(m, {}), lost);
    const QString path = dir.filePath("t.spt");
    try {
        saveTemplate(m, {}, path);
        ADD_FAILURE() << "characters were dropped without a word";
    } catch (const TemplateTextError& e) {
        EXPECT_EQ(e.keys(), lost);
        EXPECT_EQ(e.text(),
                  QStringLiteral("以下内容含有无法保存的字符：字符串（X 0，Y 0）")); // as the operator sees it
    }
    EXPECT_FALSE(QFile::exists(path));
    // told, the operator may keep the rest: each such character becomes one "?"
    saveTemplate(m, {}, path, LostCharacters::WriteAsQuestionMarks);
    EXPECT_TRUE(readFile(path).contains("UserValue=Stra?e ??\r\n"));
    // a picture path with "?" would name another file: refused whatever the choice
    picture.asField()->SetUserValue(QStringLiteral("/tmp/ñ.bmp"));
    EXPECT_THROW(saveTemplate(m, {}, path, LostCharacters::WriteAsQuestionMarks), TemplateTextError);
    EXPECT_FALSE(readFile(path).contains("Source=/tmp/?.bmp"));
}

// A picture is at most the printer's 128 rows high: a taller one is cut to
// them, one below a row is one row; its width is kept.
TEST(TemplateFile, PictureHeightIsHeldToThe128Rows) {
    const struct {
        const char* height;
        int read;
    } rows[] = {{"4096", 128}, {"129", 128}, {"128", 128}, {"7", 7}, {"0", 1}, {"-3", 1}};
    QTemporaryDir dir;
    const QString path = dir.filePath("tall.spt");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.height);
        writeFile(path, crlf(QStringLiteral("[Main]\nControlCaption=csImage0\n[csImage0]\nWidth=4096\nHeight=%1\n")
                                 .arg(QLatin1String(r.height))
                                 .toUtf8()
                                 .constData()));
        MessageTemplate m;
        load(m, path);
        EXPECT_EQ(m.find(0)->Height(), r.read);
        EXPECT_EQ(m.find(0)->Width(), 4096);
    }
}

// Nine 64 x 64 pictures naming a progressive JPEG of 2048 x 2048 dots in four
// components (tests/data, its size patched). Each reading holds 256 x 256
// blocks x 4 x 128 bytes of coefficients, 256 x 256 grey bytes at 1/8, and
// colour copies of 256 x 256 and 64 x 64 dots (4 bytes a dot): 33898496 bytes,
// and each picture keeps 8 x 64 bytes. With the 512 x 128 canvas (8192 bytes)
// seven fit in 256 MiB, the eighth does not: the file is refused whole.
TEST(TemplateFile, ATemplateWhosePicturesPassTheBudgetIsRefusedWhole) {
    QTemporaryDir dir;
    QByteArray jpeg = readFile(QStringLiteral(DAVIDUV_TEST_DATA "/model/progressive-8192x8192-cmyk.jpg"));
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    ASSERT_GT(sof, 0);
    jpeg.replace(sof + 5, 4, QByteArray("\x08\x00\x08\x00", 4));
    const QString picture = dir.filePath("photo.jpg");
    writeFile(picture, jpeg);
    QString text = QStringLiteral("[Main]\nImageWidth=512\nImageHeight=128\nControlCaption=");
    for (int i = 0; i < 9; ++i) text += QStringLiteral("%1csImage%2").arg(i ? "/" : "").arg(i);
    text += QStringLiteral("\n");
    for (int i = 0; i < 9; ++i)
        text += QStringLiteral("[csImage%1]\nSource=%2\nWidth=64\nHeight=64\n").arg(i).arg(picture);
    const QString path = dir.filePath("photos.spt");
    writeFile(path, crlf(text.toUtf8().constData()));

    MessageTemplate m;
    try {
        load(m, path);
        ADD_FAILURE() << "opened";
    } catch (const TemplateTooLargeError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("模板过大：图片“%1”超出了一个模板的图片内存上限 256 MB").arg(picture));
    }
    EXPECT_EQ(m.count(), 0);
    EXPECT_EQ(m.NextControlNo(), 0);
}
