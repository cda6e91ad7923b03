#include "common/MonoImage.h"

#include <QPainter>
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
