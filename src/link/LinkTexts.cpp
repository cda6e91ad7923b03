#include "link/LinkTexts.h"

#include <QCoreApplication>

LinkAction LinkAction::fromWords(const QString& words) {
    return {QCoreApplication::translate("LinkTexts", "正在%1，请稍候......").arg(words),
            QCoreApplication::translate("LinkTexts", "%1失败，请检查线路或重新尝试！").arg(words),
            QCoreApplication::translate("LinkTexts", "%1成功！").arg(words)};
}

LinkAction actionBackground() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "发送背景数据信息"));
}

LinkAction actionDateSettings() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "发送日期、时间设置信息"));
}

LinkAction actionExpirySettings() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "发送有效期限设置信息"));
}

LinkAction actionSerialNoSettings() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "发送序号设置信息"));
}

LinkAction actionShiftSettings() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "发送班次设置信息"));
}

LinkAction actionSetClock() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "校正时钟"));
}

LinkAction actionQuery() {
    return LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "查找已连接喷码仪"));
}

LinkAction actionEraseFlash() {
    LinkAction a = LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "擦除指定Flash"));
    a.waiting = QCoreApplication::translate("LinkTexts", "正在擦除指定Flash信息，请稍候......");
    return a;
}

LinkAction actionGlyph() {
    LinkAction a = LinkAction::fromWords(QCoreApplication::translate("LinkTexts", "发送字模数据信息"));
    a.waiting = QCoreApplication::translate("LinkTexts", "正在发送字模信息，请稍候......");
    return a;
}
