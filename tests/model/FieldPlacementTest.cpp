#include "model/FieldPlacement.h"
#include "ModelTestSupport.h"
#include "common/MonoImage.h"
#include "model/FieldRender.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {
const QDateTime kNow(QDate(2007, 3, 5), QTime(9, 5));
} // namespace

// The defaults of a newly placed field and the size of its first preview
// (each kind's value, lead text, font and height as an operator first sees them; widths by the dot-width rule).
TEST(FieldPlacement, DefaultsOfEachTextKind) {
    struct Row {
        eStyle kind;
        const char* value;
        const char* lead;
        int period, digits, increment;
        int width, height;
    };
    const Row rows[] = {
        {csDate, "A1", "生产日期：", 0, 0, 0, 5 * 18 + 8 * 10 + 2, 18},   // 生产日期：20070305
        {csPeriod, "A1", "有效期：", 365, 0, 0, 4 * 18 + 8 * 10 + 2, 18}, // 有效期：20080304
        {csNo, "00000001", "序号：", 1, 8, 1, 136, 18},
        {csRunNo, "A", "班次：", 0, 0, 0, 3 * 18 + 10 + 2, 18},
    };
    MessageTemplate message;
    message.setClock(fixedClock(kNow));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value);
        FieldElement& e = placeField(message, r.kind, 0, 0);
        ASSERT_FALSE(e.isBarcode());
        const FieldImage& f = *e.asField();
        EXPECT_EQ(f.UserStyle(), r.kind);
        EXPECT_EQ(f.UserValue(), QString::fromUtf8(r.value));
        EXPECT_EQ(f.UserExplain(), QString::fromUtf8(r.lead));
        EXPECT_EQ(f.UserFontSize(), 16);
        EXPECT_EQ(f.UserSpace(), 2);
        EXPECT_EQ(f.UserPeriod(), r.period);
        EXPECT_EQ(f.UserNoDigit(), r.digits);
        EXPECT_EQ(f.UserIncrement(), r.increment);
        EXPECT_EQ(QSize(f.Width(), f.Height()), QSize(r.width, r.height));
        EXPECT_TRUE(hasFrame(f.picture()));
    }
}

TEST(FieldPlacement, DefaultsOfStringAndPicture) {
    MessageTemplate message;
    const FieldImage& text = *placeField(message, csStr, 0, 0).asField();
    EXPECT_EQ(text.UserValue(), QStringLiteral("中华人民共和国制造"));
    EXPECT_EQ(text.UserFont(), (FieldFont{QStringLiteral("宋体"), 12, false, false, false}));
    EXPECT_EQ(text.UserSpace(), 2);
    EXPECT_EQ(text.UserFontSize(), 16);
    EXPECT_EQ(QSize(text.Width(), text.Height()), QSize(164, 18));

    const FieldImage& picture = *placeField(message, csImage, 0, 0).asField();
    EXPECT_EQ(picture.UserValue(), QString());
    EXPECT_EQ(mono::toText(picture.picture()), mono::toText(framedBox(64, 64)));
}

TEST(FieldPlacement, DefaultsOfABarcode) {
    MessageTemplate message;
    FieldElement& e = placeField(message, csBarCode, 3, 4);
    ASSERT_TRUE(e.isBarcode());
    const Barcode& b = *e.asBarcode();
    EXPECT_EQ(e.kind(), csBarCode);
    EXPECT_EQ(b.Bar_CodeType(), EAN_13);
    EXPECT_EQ(b.Bar_ModuleWidth(), SC9);
    EXPECT_EQ(b.Bar_HeightPercent(), 85);
    EXPECT_EQ(b.Bar_Caption(), QByteArray("1234567890128"));
    EXPECT_TRUE(b.Bar_HumanReadable());
    EXPECT_EQ(e.templatePos(), QPoint(3, 4));
}

// A serial number draws the same whether its value is "00000001" or "1".
TEST(FieldPlacement, SerialValueWithOrWithoutLeadingZerosDrawsTheSame) {
    MessageTemplate message;
    FieldImage& a = *placeField(message, csNo, 0, 0).asField();
    FieldImage b = a;
    b.SetUserValue(QStringLiteral("1"));
    drawFieldPreview(b, message.now());
    EXPECT_EQ(firstDifference(b.picture(), a.picture()), QString());
}

// A preview redrawn from the properties: the label of UserFontSize gives the
// point size, an unknown height falls back to 16 dots' label (12 points).
TEST(FieldPlacement, PreviewFollowsTheProperties) {
    FieldImage f;
    f.SetUserStyle(csPeriod);
    f.SetUserValue(QStringLiteral("A2"));
    f.SetUserExplain(QString());
    f.SetUserFontSize(32);
    f.SetUserSpace(0);
    f.SetUserPeriod(365);
    drawFieldPreview(f, kNow); // "2008-03-04": 10 half-width characters of 16 dots
    EXPECT_EQ(QSize(f.Width(), f.Height()), QSize(10 * 16 + 2, 35));
    f.SetUserFontSize(20);
    drawFieldPreview(f, kNow);
    EXPECT_EQ(QSize(f.Width(), f.Height()), QSize(10 * 10 + 2, 18));
    f.SetUserValue(QStringLiteral("ZZ")); // no style: an empty date
    drawFieldPreview(f, kNow);
    EXPECT_EQ(f.Width(), 2);
}

// The seven kinds with their defaults, laid on one white canvas. With
// DAVIDUV_KINDS_PNG set the canvas is saved there, for looking at.
TEST(FieldPlacement, SevenKindsOnOneCanvas) {
    MessageTemplate message;
    message.setClock(fixedClock(kNow));
    const QPoint places[] = {{0, 0}, {440, 4}, {225, 4}, {225, 30}, {225, 56}, {225, 82}, {400, 82}};
    for (int k = 0; k < kFieldKindCount; ++k) placeField(message, kAllFieldKinds[k], places[k].x(), places[k].y());
    QImage canvas(512, 128, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    for (const FieldElement* e : message.addressable()) {
        painter.drawImage(e->templatePos(), e->picture());
        if (!e->isBarcode()) {
            EXPECT_TRUE(hasFrame(e->picture())) << e->name().toStdString();
        }
    }
    painter.end();
    EXPECT_EQ(message.count(), 7);
    const QString out = qEnvironmentVariable("DAVIDUV_KINDS_PNG");
    if (!out.isEmpty()) {
        EXPECT_TRUE(mono::fromImage(canvas).save(out));
    }
}

// Opened fields: boxes UserFontSize + 2 high, dates showing their style's
// sample, serial numbers padded, pictures white on any failure.
TEST(FieldPlacement, OpenedPreviews) {
    struct Row {
        eStyle kind;
        const char* value;
        const char* lead;
        int dots, space, digits;
        int width, height; // dot-width rule, worked by hand
    };
    const Row rows[] = {
        {csDate, "A1", "生产日期：", 16, 2, 0, 5 * 18 + 8 * 10 + 2, 18}, // "20060110"
        {csDate, "A2", "", 32, 0, 0, 10 * 16 + 2, 34},                   // "2006-01-10", no 24-point + 3
        {csPeriod, "A9", "", 16, 1, 0, 12 * 9 + 2, 18},                  // "10 Jan 2006 " with its blank
        {csDate, "B5", "", 16, 1, 0, 2, 18},                             // no style: no sample
        {csNo, "7", "序号：", 16, 2, 8, 136, 18},
        {csRunNo, "1", "班次：", 128, 2, 0, 3 * 130 + 66 + 2, 130},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value);
        FieldImage f;
        f.SetUserStyle(r.kind);
        f.SetUserValue(QString::fromUtf8(r.value));
        f.SetUserExplain(QString::fromUtf8(r.lead));
        f.SetUserFontSize(r.dots);
        f.SetUserSpace(r.space);
        f.SetUserNoDigit(r.digits);
        drawOpenedPreview(f);
        EXPECT_EQ(QSize(f.Width(), f.Height()), QSize(r.width, r.height));
        EXPECT_TRUE(hasFrame(f.picture()));
    }
    FieldImage picture;
    picture.SetUserStyle(csImage);
    picture.setSize(40, 20);
    picture.SetUserValue(QStringLiteral("/nonexistent/LOGO.BMP")); // read as JPEG, fails quietly
    drawOpenedPreview(picture);
    EXPECT_EQ(mono::toText(picture.picture()), mono::toText(framedBox(40, 20)));
}
