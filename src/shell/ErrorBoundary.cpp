#include "shell/ErrorBoundary.h"

#include "common/OperatorError.h"
#include "shell/ErrorBox.h"
#include "shell/RecoveryCopy.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>
#include <exception>
#include <typeinfo>

namespace {
QWidget* windowFor(QWidget* widget) {
    return widget ? widget->window() : QApplication::activeWindow();
}

// The recovery copy belongs to the main window: the first one found going up
// from the window through its parents.
RecoveryCopy* recoveryCopyOf(QWidget* window) {
    for (QObject* o = window; o; o = o->parent())
        if (auto* copy = o->findChild<RecoveryCopy*>(QString(), Qt::FindDirectChildrenOnly)) return copy;
    return nullptr;
}

// Handles the exception being handled now; called only inside a catch block.
void reportCurrentException(QWidget* window) {
    try {
        throw;
    } catch (const OperatorError& e) {
        showErrorBox(window, e.text());
    } catch (const std::exception& e) {
        reportInternalError(
            window, QStringLiteral("%1: %2").arg(QString::fromLatin1(typeid(e).name()), QString::fromUtf8(e.what())));
    } catch (...) {
        reportInternalError(window, QStringLiteral("unknown exception"));
    }
}
} // namespace

bool runCommand(QWidget* window, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (...) {
        reportCurrentException(windowFor(window));
        return false;
    }
}

void reportInternalError(QWidget* window, const QString& details) {
    QString written;
    if (RecoveryCopy* copy = recoveryCopyOf(window)) written = copy->writeNow();
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QCoreApplication::translate("ErrorBoundary", "内部错误"), QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("InternalErrorBox"));
    box.setInformativeText(written.isEmpty() ? details : details + QStringLiteral("\n") + written);
    box.exec();
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        QWidget* widget = receiver && receiver->isWidgetType() ? static_cast<QWidget*>(receiver) : nullptr;
        reportCurrentException(windowFor(widget));
        return false;
    }
}
