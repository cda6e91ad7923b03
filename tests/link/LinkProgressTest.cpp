// Progress of a printer command read from the link's status texts.
#include "link/LinkProgress.h"

#include <gtest/gtest.h>

TEST(LinkProgress, SendStepsAreTheChunksThenTheFourSettingsFrames) {
    MessagePlan plan;
    plan.packed = QByteArray(512 * 16, '\0'); // a 512-dot canvas: 8192 bytes in chunks of 3072, 3072, 2048
    const QList<LinkStep> steps = sendSteps(plan);
    ASSERT_EQ(steps.size(), 7);
    // 01 00 B1 L L, then moBan, resolution, N, S and the chunk, then the check byte
    EXPECT_EQ(steps[0].bytes, 5 + 4 + 3072 + 1);
    EXPECT_EQ(steps[2].bytes, 5 + 4 + 2048 + 1);
    EXPECT_EQ(steps[2].action.waiting, QStringLiteral("正在发送背景数据信息，请稍候......"));
    EXPECT_EQ(steps[6].action.succeeded, QStringLiteral("发送班次设置信息成功！"));
}

TEST(LinkProgress, FramesBytesAndTimeLeftFollowTheTexts) {
    const LinkAction background = actionBackground(), clock = actionSetClock();
    LinkProgress p({{1000, background}, {1000, background}, {20, clock}}, 9600, ReplyTiming(3000));
    // Each frame by hand: bytes x 10 bits / 9600 bit/s, plus the 3000 ms quiet period.
    EXPECT_EQ(p.remainingMs(0), (1041 + 3000) * 2 + (20 + 3000));
    p.note(background.waiting); // first try of frame 1 written
    p.note(background.waiting); // its second try
    EXPECT_EQ(p.frame(), 1);
    EXPECT_EQ(p.tries(), 2);
    EXPECT_EQ(p.bytesWritten(), 2000);
    EXPECT_EQ(p.remainingMs(500), (1041 + 3000) * 2 + 3020 - 500);
    p.note(background.succeeded);
    p.note(QStringLiteral("any other text")); // ignored
    EXPECT_EQ(p.frame(), 2);
    EXPECT_EQ(p.accepted(), 1);
    EXPECT_EQ(p.tries(), 0);
    p.note(clock.waiting); // not frame 2's text
    EXPECT_EQ(p.bytesWritten(), 2000);
    p.note(background.waiting);
    p.note(background.failed);
    EXPECT_TRUE(p.failed());
    EXPECT_TRUE(p.done());
    EXPECT_EQ(p.remainingMs(0), 0);
    EXPECT_EQ(p.bytesPlanned(), 2020);

    ReplyTiming fast(3000);
    fast.fastAck = true; // after the first exchange a reply ends 30 ms after its acknowledgement
    LinkProgress q({{1000, background}, {20, clock}}, 9600, fast);
    EXPECT_EQ(q.remainingMs(0), (1041 + 3000) + (20 + 30));
}
