#include "shell/PrintAreaPrompt.h"

#include <QCoreApplication>
#include <QMessageBox>

QString printAreaQuestion(const QList<FieldOutside>& outside) {
    QString text = QCoreApplication::translate("PrintAreaPrompt", "部分内容超出打印区域，仍要发送吗？\n");
    for (const FieldOutside& f : outside) text += QStringLiteral("\n") + f.label;
    return text;
}

bool confirmPrintAreaBeforeSend(QWidget* parent, const QList<FieldOutside>& outside) {
    if (outside.isEmpty()) return true;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("PrintAreaPrompt", "提示"),
                    printAreaQuestion(outside), QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("PrintAreaSendPrompt"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
