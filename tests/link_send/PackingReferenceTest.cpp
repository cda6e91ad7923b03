// Scaling and packing compared with a dot-by-dot reading of their definition
// on random pictures and random templates: a target column of a stretch is
// the source column t * W / W', a squeezed source column s lands in column
// s * W' / W, and packed byte k of column x holds rows 8k..8k+7, row 8k in the
// most significant bit.
#include "common/MonoImage.h"
#include "link/BackgroundPacking.h"
#include "link/MessageRender.h"
#include "model/FieldPlacement.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QImage referenceScale(const QImage& source, int newWidth) {
    QImage target = mono::create(newWidth, source.height());
    const int width = source.width();
    for (int y = 0; y < source.height(); ++y) {
        if (newWidth >= width) {
            for (int t = 0; t < newWidth; ++t)
                if (mono::dot(source, int(qint64(t) * width / newWidth), y)) mono::setDot(target, t, y, true);
        } else {
            for (int s = 0; s < width; ++s)
                if (mono::dot(source, s, y)) mono::setDot(target, int(qint64(s) * newWidth / width), y, true);
        }
    }
    return target;
}

QByteArray referencePack(const QImage& picture) {
    const int perColumn = (picture.height() + 7) / 8;
    QByteArray packed(qsizetype(picture.width()) * perColumn, '\0');
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (mono::dot(picture, x, y))
                packed[x * perColumn + y / 8] = char(packed[x * perColumn + y / 8] | (0x80 >> (y % 8)));
    return packed;
}

QImage randomPicture(QRandomGenerator& random, int width, int height) {
    QImage picture = mono::create(width, height);
    const int density = random.bounded(1, 100); // percent of dots
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mono::setDot(picture, x, y, random.bounded(100) < density);
    return picture;
}

} // namespace

TEST(PackingReference, RandomPicturesScaleAndPackAsDefined) {
    QRandomGenerator random(16);
    for (int round = 0; round < 300; ++round) {
        const int width = random.bounded(1, 300);
        const int height = round % 3 == 0 ? 128 : random.bounded(1, 140); // also heights that are no multiple of 8
        const int newWidth = random.bounded(1, 2 * width + 20);
        const QImage source = randomPicture(random, width, height);
        SCOPED_TRACE(QStringLiteral("%1x%2 to %3").arg(width).arg(height).arg(newWidth).toStdString());
        const QImage scaled = scaleColumns(source, newWidth);
        ASSERT_EQ(mono::toText(scaled), mono::toText(referenceScale(source, newWidth)));
        ASSERT_EQ(packColumns(source), referencePack(source));
        ASSERT_EQ(mono::toText(unpackColumns(packColumns(source), width, height)), mono::toText(source));
    }
}

TEST(PackingReference, RandomTemplatesPlanAsDefined) {
    QRandomGenerator random(4);
    const QStringList dpis{"100dpi", "200dpi", "300dpi", "400dpi"};
    for (int round = 0; round < 12; ++round) {
        MessageTemplate m;
        const int width = random.bounded(32, 3000);
        for (int n = random.bounded(1, 12); n > 0; --n)
            placeField(m, kAllFieldKinds[random.bounded(int(kAllFieldKinds.size()))], random.bounded(width),
                       random.bounded(128));
        const SendSettings settings{width, 1, dpis[random.bounded(4)], dpis, 1 + round % 2};
        const MessagePlan plan = planMessage(m, settings);
        const int columns = scaledWidth(settings.widthMode, settings.resolution, width);
        const QImage expected = referenceScale(renderMessage(m, width).background, columns);
        SCOPED_TRACE(round);
        ASSERT_EQ(mono::toText(plan.scaled), mono::toText(expected));
        ASSERT_EQ(plan.packed, referencePack(expected));
    }
}
