#include "shell/Ruler.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
QImage rulerPart(int left, int width) {
    QImage image(width, kRulerHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.translate(-left, 0);
    drawRuler(p, QRect(left, 0, width, kRulerHeight));
    return image;
}
bool isRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
int tickLength(const QImage& image, int x) {
    int n = 0;
    while (n < image.height() && isRed(image.pixel(x, n))) ++n;
    return n;
}
bool hasBlue(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qBlue(image.pixel(x, y)) > 150 && qRed(image.pixel(x, y)) < 100) return true;
    return false;
}
} // namespace

TEST(Ruler, TicksEveryTwentyColumnsAndLongOnesEveryHundred) {
    const QImage start = rulerPart(0, 300);
    // canvas column c stands in picture column c + 21
    EXPECT_EQ(tickLength(start, 21 + 20), 7);
    EXPECT_EQ(tickLength(start, 21 + 40), 7);
    EXPECT_EQ(tickLength(start, 21 + 30), 0);
    EXPECT_EQ(isRed(start.pixel(21 + 100, 20)), false); // a long tick ends at row 15
    EXPECT_TRUE(isRed(start.pixel(21 + 100, 15)));
    EXPECT_TRUE(hasBlue(start, QRect(21 + 100 - 15, 0, 30, 16))); // the number 100
    EXPECT_FALSE(hasBlue(start, QRect(21 + 50, 0, 20, 16)));
    // left-edge marks on rows 20 and 120
    EXPECT_TRUE(isRed(start.pixel(2, 20)));
    EXPECT_TRUE(isRed(start.pixel(2, 120)));
    EXPECT_FALSE(isRed(start.pixel(2, 70)));
}

TEST(Ruler, TheLastTickIsColumnTwentyThousand) {
    const QImage end = rulerPart(kRulerWidth - 100, 100);
    const int x20000 = 20000 + 21 - (kRulerWidth - 100);
    EXPECT_TRUE(isRed(end.pixel(x20000, 15)));
    EXPECT_TRUE(hasBlue(end, QRect(x20000 - 20, 0, 40, 16)));
    EXPECT_EQ(tickLength(end, x20000 + 20 < 100 ? x20000 + 20 : 99), 0); // nothing beyond 20000
}
