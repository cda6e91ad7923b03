#include "link/LinkTexts.h"

LinkAction LinkAction::fromWords(const QString& words) {
    return {QStringLiteral("正在") + words + QStringLiteral("，请稍候......"),
            words + QStringLiteral("失败，请检查线路或重新尝试！"), words + QStringLiteral("成功！")};
}

LinkAction actionBackground() {
    return LinkAction::fromWords(QStringLiteral("发送背景数据信息"));
}

LinkAction actionDateSettings() {
    return LinkAction::fromWords(QStringLiteral("发送日期、时间设置信息"));
}

LinkAction actionExpirySettings() {
    return LinkAction::fromWords(QStringLiteral("发送有效期限设置信息"));
}

LinkAction actionSerialNoSettings() {
    return LinkAction::fromWords(QStringLiteral("发送序号设置信息"));
}

LinkAction actionShiftSettings() {
    return LinkAction::fromWords(QStringLiteral("发送班次设置信息"));
}

LinkAction actionSetClock() {
    return LinkAction::fromWords(QStringLiteral("校正时钟"));
}

LinkAction actionQuery() {
    return LinkAction::fromWords(QStringLiteral("查找已连接喷码仪"));
}

LinkAction actionEraseFlash() {
    LinkAction a = LinkAction::fromWords(QStringLiteral("擦除指定Flash"));
    a.waiting = QStringLiteral("正在擦除指定Flash信息，请稍候......");
    return a;
}

LinkAction actionGlyph() {
    LinkAction a = LinkAction::fromWords(QStringLiteral("发送字模数据信息"));
    a.waiting = QStringLiteral("正在发送字模信息，请稍候......");
    return a;
}
