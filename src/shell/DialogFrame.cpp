#include "shell/DialogFrame.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QWindow>

Qt::WindowFlags closeBoxOnlyFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

void useCloseBoxOnly(QDialog& dialog) {
    dialog.setWindowFlags(closeBoxOnlyFlags());
}

namespace {
// A dialog's native window exists when its Show event arrives, but it is not
// mapped yet: flags set on it then reach the window manager in time.
class CloseBoxOnly : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog || !dialog->isWindow() || dialog->windowFlags() == closeBoxOnlyFlags()) return false;
        dialog->overrideWindowFlags(closeBoxOnlyFlags());
        if (QWindow* window = dialog->windowHandle()) window->setFlags(closeBoxOnlyFlags());
        return false;
    }
};
} // namespace

void keepDialogsToCloseBox() {
    static CloseBoxOnly* filter = nullptr;
    if (filter) return;
    filter = new CloseBoxOnly(qApp);
    qApp->installEventFilter(filter);
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
