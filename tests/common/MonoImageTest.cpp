#include "common/MonoImage.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(MonoImage, NewPictureIsWhiteAndDotsAreSetBits) {
    QImage image = mono::create(10, 3);
    EXPECT_EQ(image.format(), QImage::Format_Mono);
    EXPECT_EQ(mono::toText(image), QString("..........\n").repeated(3));
    mono::setDot(image, 0, 0, true);
    // A dot is a set bit: the most significant bit of the first byte of row 0.
    EXPECT_EQ(static_cast<unsigned char>(image.constScanLine(0)[0]), 0x80);
    EXPECT_EQ(image.pixel(0, 0), mono::kBlack);
    EXPECT_EQ(image.pixel(1, 0), mono::kWhite);
}

TEST(MonoImage, ReductionKeepsDarkPixelsAndTextRoundTrips) {
    QImage colour(4, 2, QImage::Format_ARGB32);
    colour.fill(Qt::white);
    colour.setPixel(1, 0, qRgb(0, 0, 0));
    colour.setPixel(2, 1, qRgb(100, 100, 100)); // darker than half grey
    colour.setPixel(3, 1, qRgb(200, 200, 200)); // lighter
    colour.setPixel(0, 1, qRgba(0, 0, 0, 0));   // transparent stays white
    const QImage reduced = mono::fromImage(colour);
    EXPECT_EQ(mono::toText(reduced), QString(".#..\n..#.\n"));
    EXPECT_EQ(mono::toText(mono::fromText(".#..\n..#.\n")), QString(".#..\n..#.\n"));
}

// Row-wise copies compared with their dot-by-dot meaning: a copy replaces
// every dot of the rectangle, white included, an addition only sets dots; what
// falls outside either picture is left out.
TEST(MonoImage, RectanglesCopyAndAddAsDotByDot) {
    QRandomGenerator random(7);
    const auto randomPicture = [&random](int w, int h) {
        QImage p = mono::create(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) mono::setDot(p, x, y, random.bounded(2));
        return p;
    };
    for (int round = 0; round < 400; ++round) {
        const QImage source = randomPicture(random.bounded(1, 70), random.bounded(1, 20));
        const QImage before = randomPicture(random.bounded(1, 90), random.bounded(1, 24));
        const QRect from(random.bounded(-5, 10), random.bounded(-3, 5), random.bounded(-2, 80), random.bounded(-2, 25));
        const QPoint to(random.bounded(-20, 90), random.bounded(-10, 24));
        QImage copied = before, added = before, expectCopied = before, expectAdded = before;
        mono::copyRect(copied, to, source, from);
        mono::addDots(added, to, source);
        for (int dy = 0; dy < from.height(); ++dy)
            for (int dx = 0; dx < from.width(); ++dx)
                if (source.valid(from.x() + dx, from.y() + dy))
                    mono::setDot(expectCopied, to.x() + dx, to.y() + dy,
                                 mono::dot(source, from.x() + dx, from.y() + dy));
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (mono::dot(source, x, y)) mono::setDot(expectAdded, to.x() + x, to.y() + y, true);
        ASSERT_EQ(mono::toText(copied), mono::toText(expectCopied)) << round;
        ASSERT_EQ(mono::toText(added), mono::toText(expectAdded)) << round;
    }
}
