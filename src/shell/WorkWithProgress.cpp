#include "shell/WorkWithProgress.h"

#include "link/LinkReporter.h"
#include "shell/ProgressDialog.h"

#include <QCoreApplication>

#include <QCoreApplication>

QString cancelledText(const QString& title) {
    return QCoreApplication::translate("WorkWithProgress", "%1已取消，喷码机可能只收到部分数据！").arg(title);
}

WorkEnd runWithProgress(QWidget* parent, LinkReporter& panel, const QString& title, LinkProgress progress,
                        PrinterWork::Job job) {
    PrinterWork work;
    ProgressDialog dialog(title, std::move(progress), parent);
    QObject::connect(&work, &PrinterWork::status, &dialog, [&](const QString& text) {
        panel.showMessage(text);
        dialog.noteStatus(text);
    });
    QObject::connect(&work, &PrinterWork::finished, &dialog, &ProgressDialog::finish);
    QObject::connect(&dialog, &ProgressDialog::cancelRequested, &work, &PrinterWork::cancel);
    work.start(std::move(job));
    dialog.exec();
    work.rethrowFailure();
    if (work.accepted()) return WorkEnd::Accepted;
    if (!work.cancelRequested()) return WorkEnd::Refused;
    panel.showMessage(cancelledText(title));
    return WorkEnd::Cancelled;
}
