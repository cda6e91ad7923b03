#include "shell/BarcodeSendPrompt.h"

#include <QCoreApplication>
#include <QMessageBox>

QString unreadableBarcodeQuestion(const QList<BarcodeCheck>& unreadable) {
    QString text = QCoreApplication::translate("BarcodeSendPrompt", "条码在当前分辨率下无法识别，仍要发送吗？\n");
    for (const BarcodeCheck& c : unreadable)
        text += QCoreApplication::translate("BarcodeSendPrompt", "\n%1（%2：%3）").arg(c.element, c.type, c.expected);
    return text;
}

bool confirmBarcodesBeforeSend(QWidget* parent, const QList<BarcodeCheck>& checks) {
    const QList<BarcodeCheck> unreadable = unreadableBarcodes(checks);
    if (unreadable.isEmpty()) return true;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("BarcodeSendPrompt", "条码校验"),
                    unreadableBarcodeQuestion(unreadable), QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("BarcodeSendPrompt"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
