#include "link/MessageRender.h"
#include "common/MonoImage.h"
#include "link/FieldSettings.h"
#include "link/Frame.h"
#include "link/SendMessage.h"
#include "link/SendRefused.h"
#include "model/FieldPlacement.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

FieldImage& placeVariable(MessageTemplate& m, eStyle kind, int x, int y, const QString& lead, int size, int space) {
    FieldImage& f = *placeField(m, kind, x, y).asField();
    f.SetUserExplain(lead);
    f.SetUserFontSize(size);
    f.SetUserSpace(space);
    drawFieldPreview(f, m.now());
    return f;
}

int dotsIn(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += mono::dot(image, x, y);
    return n;
}

} // namespace

// The four settings frames of a template with no variable fields (template 1, resolution 1), worked by hand.
TEST(SendMessage, SettingsFramesOfTheProtocolExamples) {
    MessagePlan plan;
    plan.moBan = 1;
    plan.resolution = 1;
    plan.fields = {dateFieldBytes({32, 300, 0, 2}, "A2"), periodFieldBytes({16, 0, 40, 0}, "A1", 365),
                   serialFieldBytes({16, 100, 10, 1}, 8, "1", 1), shiftFieldBytes({16, 20, 100, 1}, "B")};
    const auto frames = SettingsFrames(plan);
    EXPECT_EQ(toHex(frames[0]), "01 00 C1 00 0A 01 01 02 20 01 2C 00 02 A2 65");
    EXPECT_EQ(toHex(frames[1]), "01 00 C2 00 0C 01 01 01 10 00 00 28 00 A1 03 65 31");
    EXPECT_EQ(toHex(frames[2]), "01 00 C3 00 12 01 01 01 10 00 64 0A 01 08 00 00 00 00 00 01 01 01 A7");
    EXPECT_EQ(toHex(frames[3]), "01 00 C4 00 0A 01 01 01 10 00 14 64 01 02 AD");
}

TEST(SendMessage, EmptyTemplateSendsZerosAndFourAbsentFrames) {
    MessageTemplate m;
    const MessagePlan plan = planMessage(m, {512, 1, "200dpi", {"100dpi", "200dpi"}, 1});
    EXPECT_EQ(plan.packed, QByteArray(512 * 16, '\0'));
    EXPECT_EQ(plan.resolution, 2);
    // 01 ^ C5 ^ 03 ^ 01 ^ 02 = C4, worked by hand
    for (const QByteArray& f : SettingsFrames(plan)) EXPECT_EQ(toHex(f), "01 00 C5 00 03 01 02 C4");
    // template 1 at resolution 1, worked by hand
    const MessagePlan first = planMessage(m, {512, 1, "100dpi", {"100dpi", "200dpi"}, 1});
    EXPECT_EQ(toHex(SettingsFrames(first)[0]), "01 00 C5 00 03 01 01 C7");
    // 8192 bytes travel in three chunks of 3072, 3072 and 2048 with N = 3
    const QList<QByteArray> chunks = chunkFrames(cmdBackgroundChunk, plan.moBan, plan.resolution, plan.packed);
    ASSERT_EQ(chunks.size(), 3);
    EXPECT_EQ(chunks[0].size(), 3072 + 10);
    EXPECT_EQ(chunks[2].size(), 2048 + 10);
    EXPECT_EQ(toHex(chunks[2].left(9)), "01 00 B1 08 05 01 02 03 03");
}

TEST(SendMessage, ResolutionAndScaling) {
    MessageTemplate m;
    placeField(m, csStr, 0, 0);
    const QStringList dpi{"100dpi", "200dpi", "300dpi"};
    // Worked by hand: scaling mode 1 gives R × 512 / 200 columns, mode 2 512 / 2, any other 0;
    // the resolution number is the place in the list, 0 when it is not there.
    struct Row {
        SendSettings settings;
        int columns;
        int resolution;
    } rows[] = {
        {{512, 1, "200dpi", dpi, 1}, 512, 2}, {{512, 1, "250dpi", dpi, 1}, 640, 0}, // not in the list: number 0
        {{512, 1, "300dpi", dpi, 1}, 768, 3}, {{512, 1, "300dpi", dpi, 2}, 256, 3}, {{512, 1, "300dpi", dpi, 7}, 0, 3},
    };
    const int dotsAt200 = dotsIn(renderMessage(m, 512).background, QRect(0, 0, 512, 128));
    ASSERT_GT(dotsAt200, 100);
    for (const Row& r : rows) {
        const MessagePlan plan = planMessage(m, r.settings);
        EXPECT_EQ(plan.packed.size(), r.columns * 16) << r.settings.resolution.toStdString();
        EXPECT_EQ(plan.resolution, r.resolution);
        if (r.columns == 0) continue;
        // Each row keeps its dots: squeezing merges columns, stretching repeats them.
        for (int y = 0; y < 128; ++y) {
            const bool before = dotsIn(renderMessage(m, 512).background, QRect(0, y, 512, 1)) > 0;
            EXPECT_EQ(dotsIn(plan.scaled, QRect(0, y, r.columns, 1)) > 0, before) << "row " << y;
        }
    }
}

TEST(SendMessage, RefusalsComeBeforeAnythingIsSent) {
    MessageTemplate m;
    EXPECT_THROW(planMessage(m, {512, 1, "dpi", {"dpi"}, 1}), SendRefused);
    EXPECT_THROW(planMessage(m, {20000, 1, "600dpi", {"600dpi"}, 1}), SendRefused); // 60000 columns: 313 chunks
    EXPECT_NO_THROW(planMessage(m, {20000, 1, "400dpi", {"400dpi"}, 1}));           // 40000 columns: 209 chunks
    placeVariable(m, csNo, 0, 0, "", 16, 1).SetUserValue("12x");
    try {
        planMessage(m, {512, 1, "200dpi", {"200dpi"}, 1});
        ADD_FAILURE() << "a start value that is no number was sent";
    } catch (const SendRefused& e) {
        EXPECT_STREQ(e.what(), "'12x' is not a valid integer value");
    }
}

TEST(SendMessage, LeadTextsGoToTheBackgroundAndMoveTheValue) {
    MessageTemplate m;
    placeVariable(m, csDate, 10, 20, QStringLiteral("生产日期："), 16, 2);
    placeVariable(m, csNo, 200, 40, QStringLiteral("No"), 16, 1);
    const RenderedMessage r = renderMessage(m, 512);
    // x = 10 + (16 + 2) x 5
    EXPECT_EQ(toHex(r.fields[0]->mid(2, 2)), "00 64");
    // x = 200 + 2 x (8 + 1)
    EXPECT_EQ(toHex(r.fields[2]->mid(2, 2)), "00 DA");
    EXPECT_FALSE(r.fields[1].has_value());
    EXPECT_FALSE(r.fields[3].has_value());
    // the lead text is in the background, the date after it is not
    EXPECT_GT(dotsIn(r.background, QRect(11, 21, 88, 16)), 50);
    EXPECT_EQ(dotsIn(r.background, QRect(100, 20, 80, 18)), 0);
    EXPECT_EQ(dotsIn(r.background, QRect(10, 20, 1, 18)), 0); // the frame is not copied
}

TEST(SendMessage, TheHighestNumberOfAKindWinsAndNumber65IsNeverSent) {
    MessageTemplate m;
    placeVariable(m, csRunNo, 0, 0, QStringLiteral("班次："), 16, 2).SetUserValue("C");
    placeVariable(m, csRunNo, 0, 60, QStringLiteral("班次："), 16, 2).SetUserValue("E");
    m.SetNextControlNo(65);
    placeField(m, csStr, 300, 0);
    placeVariable(m, csDate, 300, 60, QStringLiteral("日期"), 16, 2);
    const RenderedMessage r = renderMessage(m, 512);
    ASSERT_TRUE(r.fields[3].has_value());
    EXPECT_EQ(toHex(r.fields[3]->mid(4)), "3C 02 05");        // y 60, spacing 2, letter E
    EXPECT_GT(dotsIn(r.background, QRect(1, 1, 80, 16)), 30); // both lead texts
    EXPECT_GT(dotsIn(r.background, QRect(1, 61, 80, 16)), 30);
    EXPECT_FALSE(r.fields[0].has_value());                       // the date is number 66
    EXPECT_EQ(dotsIn(r.background, QRect(300, 0, 212, 128)), 0); // nothing of 65 and 66
}

TEST(SendMessage, PicturesAndStringsAreCopiedWhiteIncluded) {
    MessageTemplate m;
    placeField(m, csStr, 0, 0);                                // number 0: black text
    FieldImage& pic = *placeField(m, csImage, 0, 0).asField(); // number 1: white box over it
    Q_UNUSED(pic);
    const RenderedMessage r = renderMessage(m, 512);
    // the white interior of the picture (1..62) replaces the string's dots
    EXPECT_EQ(dotsIn(r.background, QRect(1, 1, 62, 62)), 0);
    EXPECT_GT(dotsIn(r.background, QRect(64, 1, 99, 16)), 50); // the rest of the string stays
}

TEST(SendMessage, BarcodesDrawThemselvesOneToOne) {
    MessageTemplate m;
    const FieldElement& bar = placeField(m, csBarCode, 5, 3);
    const RenderedMessage r = renderMessage(m, 512);
    const QImage& own = bar.picture();
    for (int y = 0; y < std::min(own.height(), 125); ++y)
        for (int x = 0; x < own.width(); ++x)
            ASSERT_EQ(mono::dot(r.background, 5 + x, 3 + y), mono::dot(own, x, y)) << x << "," << y;
}
