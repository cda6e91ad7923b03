#pragma once
// The three status texts of each exchange with the printer: while waiting,
// after the third failed try, after success.

#include <QString>

struct LinkAction {
    QString waiting;
    QString failed;
    QString succeeded;
    // "正在" + words + "，请稍候......", words + "失败，请检查线路或重新尝试！",
    // words + "成功！".
    static LinkAction fromWords(const QString& words);
};

LinkAction actionBackground();       // background chunks (0xB1)
LinkAction actionDateSettings();     // 0xC1 or 0xC5 in its place
LinkAction actionExpirySettings();   // 0xC2 or 0xC5
LinkAction actionSerialNoSettings(); // 0xC3 or 0xC5
LinkAction actionShiftSettings();    // 0xC4 or 0xC5
LinkAction actionSetClock();
LinkAction actionQuery();
LinkAction actionEraseFlash(); // waiting says "Flash信息", the others "Flash"
LinkAction actionGlyph();      // waiting says "字模信息", the others "字模数据信息"
