#include "shell/BarcodeSendPrompt.h"

#include <QMessageBox>

QString unreadableBarcodeQuestion(const QList<BarcodeCheck>& unreadable) {
    QString text = QStringLiteral("条码在当前分辨率下无法识别，仍要发送吗？\n");
    for (const BarcodeCheck& c : unreadable)
        text += QStringLiteral("\n%1（%2：%3）").arg(c.element, c.type, c.expected);
    return text;
}

bool confirmBarcodesBeforeSend(QWidget* parent, const QList<BarcodeCheck>& checks) {
    const QList<BarcodeCheck> unreadable = unreadableBarcodes(checks);
    if (unreadable.isEmpty()) return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("条码校验"), unreadableBarcodeQuestion(unreadable),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("BarcodeSendPrompt"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
