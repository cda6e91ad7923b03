#include "model/FieldPicture.h"
#include "ModelTestSupport.h"
#include "common/MonoImage.h"
#include "model/FieldError.h"
#include "model/FieldRender.h"
#include "model/JpegReader.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Left half black, right half white, as an RGB picture.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::black);
    return image;
}

// A grey ramp with some noise, so the JPEG has real scan data to lose.
QImage ramp(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = (x * 255 / width + (x * 7 + y * 13) % 17) % 256;
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

QByteArray jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

// A white framed picture element of the given size, as a size change leaves it.
FieldImage pictureElement(int width, int height) {
    FieldImage element;
    element.SetUserStyle(csImage);
    resetFieldBox(element, width, height);
    return element;
}

QString jpegError(const std::function<void()>& call) {
    try {
        call();
    } catch (const FieldError& e) {
        return e.text();
    }
    return QStringLiteral("(no error)");
}

} // namespace

// Only an exact, lower-case ".bmp" extension reads BMP.
TEST(FieldPicture, TypeFromTheExtension) {
    struct Row {
        const char* path;
        PictureType type;
    };
    const Row rows[] = {
        {"logo.bmp", PictureType::Bmp},
        {"C:\\pics\\logo.bmp", PictureType::Bmp},
        {"/tmp/a.b/logo.bmp", PictureType::Bmp},
        {"LOGO.BMP", PictureType::Jpeg},
        {"logo.Bmp", PictureType::Jpeg},
        {"logo.jpg", PictureType::Jpeg},
        {"logo", PictureType::Jpeg},
        {"pics.bmp\\logo", PictureType::Jpeg},
        {"logo.bmp.jpg", PictureType::Jpeg},
        {"logo.bmp ", PictureType::Jpeg},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path);
        EXPECT_EQ(pictureTypeForPath(QString::fromUtf8(r.path)), r.type);
    }
}

// A 20 x 10 BMP, left half black, scaled into 64 x 64: the whole rectangle,
// frame included, is replaced; columns near the edge between the halves may go
// either way with the smoothing filter, the rest may not.
TEST(FieldPicture, BmpIsScaledOntoTheWholeElementInOneBit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(halves(20, 10).save(path, "BMP"));
    FieldImage element = pictureElement(64, 64);
    ASSERT_TRUE(loadFieldPicture(element, path));
    const QImage& p = element.picture();
    EXPECT_EQ(p.size(), QSize(64, 64));
    EXPECT_EQ(p.format(), QImage::Format_Mono);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 30; ++x) ASSERT_TRUE(mono::dot(p, x, y)) << x << "," << y;
        for (int x = 34; x < 64; ++x) ASSERT_FALSE(mono::dot(p, x, y)) << x << "," << y; // frame gone too
    }
}

TEST(FieldPicture, JpegIsScaledOntoTheWholeElement) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.jpg"));
    writeFile(path, jpegBytes(halves(40, 20)));
    FieldImage element = pictureElement(30, 12);
    ASSERT_TRUE(loadFieldPicture(element, path));
    EXPECT_EQ(element.picture().size(), QSize(30, 12));
    EXPECT_TRUE(mono::dot(element.picture(), 0, 0));
    EXPECT_FALSE(mono::dot(element.picture(), 29, 11));
}

// A BMP read as JPEG: libjpeg's JERR_NO_SOI, number 53 ("Not a JPEG file").
// A missing JPEG reads as empty data and fails the same way; a missing BMP is
// ignored like an unreadable one. The element stays white in its frame.
TEST(FieldPicture, UnreadablePicturesFailByTheirType) {
    QTemporaryDir dir;
    const QString upper = dir.filePath(QStringLiteral("LOGO.BMP"));
    ASSERT_TRUE(halves(8, 8).save(upper, "BMP"));
    const QString junk = dir.filePath(QStringLiteral("junk.bmp"));
    writeFile(junk, "BM this is not a bitmap");
    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    writeFile(empty, QByteArray());

    struct Row {
        QString path;
        const char* error; // nullptr: ignored silently
    };
    const Row rows[] = {
        {upper, "JPEG error #53"},
        {dir.filePath(QStringLiteral("missing.jpg")), "JPEG error #53"},
        {dir.filePath(QStringLiteral("missing")), "JPEG error #53"},
        {empty, "JPEG error #53"},
        {junk, nullptr},
        {dir.filePath(QStringLiteral("missing.bmp")), nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path.toStdString());
        FieldImage element = pictureElement(64, 64);
        const QImage white = element.picture();
        if (r.error) {
            EXPECT_EQ(jpegError([&] { loadFieldPicture(element, r.path); }), QString::fromUtf8(r.error));
        } else {
            EXPECT_FALSE(loadFieldPicture(element, r.path));
        }
        EXPECT_EQ(firstDifference(element.picture(), white), QString());
    }
}

// An empty path (or blanks only) is not read at all: no error, nothing changes.
TEST(FieldPicture, EmptyPathIsNotRead) {
    for (const char* path : {"", "   "}) {
        FieldImage element = pictureElement(10, 10);
        EXPECT_FALSE(loadFieldPicture(element, QString::fromUtf8(path)));
        EXPECT_TRUE(hasFrame(element.picture()));
    }
}

// The dialog's filter decides the type, whatever the extension says.
TEST(FieldPicture, TypeCanBeGivenByTheCaller) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LOGO.BMP"));
    ASSERT_TRUE(halves(8, 8).save(path, "BMP"));
    FieldImage element = pictureElement(16, 16);
    EXPECT_TRUE(loadFieldPictureAs(element, path, PictureType::Bmp));
    EXPECT_TRUE(mono::dot(element.picture(), 1, 8));
    EXPECT_FALSE(mono::dot(element.picture(), 14, 8));
}

// Truncated data decodes with warnings (libjpeg fills the rest) and must not
// crash; cut inside the header it fails with a decoder error.
TEST(FieldPicture, TruncatedJpegsDoNotCrash) {
    const QByteArray whole = jpegBytes(ramp(200, 120));
    const QImage full = decodeJpeg(whole);
    EXPECT_EQ(full.size(), QSize(200, 120));
    for (double part : {0.9, 0.6, 0.3}) {
        SCOPED_TRACE(part);
        const QImage cut = decodeJpeg(whole.left(static_cast<qsizetype>(whole.size() * part)));
        EXPECT_EQ(cut.size(), QSize(200, 120));
    }
    for (qsizetype length : {2, 20, 100}) {
        SCOPED_TRACE(length);
        const QString error = jpegError([&] { decodeJpeg(whole.left(length)); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("JPEG error #"))) << error.toStdString();
    }
    // Scrambled scan data: either decoded with warnings or refused, never a crash.
    QByteArray scrambled = whole;
    for (qsizetype i = whole.size() / 2; i < whole.size() - 2; i += 7) scrambled[i] = char(0xFF);
    try {
        EXPECT_EQ(decodeJpeg(scrambled).size(), QSize(200, 120));
    } catch (const FieldError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("JPEG error #")));
    }
}

// A header claiming 60000 x 60000 pixels is refused before anything is
// allocated: even at 1/8 it is above the limit (JERR_IMAGE_TOO_BIG, 41).
// A large but possible picture is decoded at a reduced scale.
TEST(FieldPicture, HugeJpegSizesAreRefusedOrReduced) {
    QByteArray bytes = jpegBytes(ramp(16, 16));
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    auto setSize = [&](int w, int h) {
        bytes[sof + 5] = char(h >> 8);
        bytes[sof + 6] = char(h & 0xFF);
        bytes[sof + 7] = char(w >> 8);
        bytes[sof + 8] = char(w & 0xFF);
    };
    setSize(60000, 60000);
    EXPECT_EQ(jpegError([&] { decodeJpeg(bytes); }), QStringLiteral("JPEG error #41"));
    // 32 M pixels: decoded at 5/8 (12.5 M pixels), the largest scale within 2^24 (6/8 is 18 M)
    setSize(8000, 4000);
    const QImage reduced = decodeJpeg(bytes);
    EXPECT_EQ(reduced.size(), QSize(5000, 2500));
}

namespace {

// The crafted picture of tests/data: a progressive JPEG of 197 bytes whose
// header claims 8192 x 8192 dots in four components, with one DC scan cut short.
QByteArray progressiveJpeg(int width, int height) {
    QByteArray bytes = readFile(modelDataPath(QStringLiteral("progressive-8192x8192-cmyk.jpg")));
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC2", 2));
    EXPECT_GT(sof, 0);
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xFF);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xFF);
    return bytes;
}

} // namespace

// Its coefficients alone would take 1024 x 1024 blocks x 4 components x 128
// bytes = 512 MiB, twice a template's budget: refused from its header,
// however small the field. At 2048 x 1024 they take 256 x 128 x 4 x 128 =
// 16 MiB; for a 64 x 64 field it is decoded at 1/8 (256 x 128, the first
// scale covering 64 x 64), which adds 256 x 128 grey bytes.
TEST(FieldPicture, AProgressiveJpegIsPaidForItsCoefficients) {
    EXPECT_EQ(jpegError([&] { decodeJpeg(progressiveJpeg(8192, 8192), QSize(64, 64)); }),
              QStringLiteral("JPEG error #41"));
    JpegPlan seen;
    const QImage decoded = decodeJpeg(progressiveJpeg(2048, 1024), QSize(64, 64), [&](const JpegPlan& plan) {
        seen = plan;
        return true;
    });
    EXPECT_EQ(seen.output, QSize(256, 128));
    EXPECT_EQ(seen.bytes, 16777216 + 32768);
    EXPECT_EQ(decoded.size(), QSize(256, 128));
    EXPECT_EQ(jpegError([&] {
                  decodeJpeg(progressiveJpeg(2048, 1024), QSize(64, 64), [](const JpegPlan&) { return false; });
              }),
              QStringLiteral("JPEG error #41"));
}

// An 800 x 400 picture is decoded at the smallest n/8 at which it covers its
// field both ways (n/8 of each side, worked by hand); at 8/8 when none does.
TEST(FieldPicture, JpegIsDecodedAtTheSmallestScaleCoveringItsField) {
    const QByteArray bytes = jpegBytes(ramp(800, 400));
    const struct {
        QSize field;
        QSize decoded;
    } rows[] = {
        {{64, 64}, {200, 100}},  {{100, 50}, {100, 50}},  {{30, 12}, {100, 50}},
        {{500, 10}, {500, 250}}, {{801, 10}, {800, 400}}, {{}, {800, 400}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(r.field.width()).arg(r.field.height()).toStdString());
        EXPECT_EQ(decodeJpeg(bytes, r.field).size(), r.decoded);
    }
}
