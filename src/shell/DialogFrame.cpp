#include "shell/DialogFrame.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

void useCloseBoxOnly(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

QHBoxLayout* okCancelRow(QDialog& dialog, const QString& okName, const QString& cancelName) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QCoreApplication::translate("DialogFrame", "确定"));
    ok->setObjectName(okName);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("DialogFrame", "取消"));
    cancel->setObjectName(cancelName);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
