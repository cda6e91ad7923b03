#pragma once
// Acts on each modal window as it comes up, the way an operator would answer
// it, while the test drives the main window.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

class ModalDriver {
public:
    // act is called once for every new modal window but the progress window.
    explicit ModalDriver(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            // The progress window of a printer command asks nothing: left to run.
            if (!modal || modal == last_ || modal->objectName() == QLatin1String("Dlg_Progress")) return;
            last_ = modal;
            act_(modal);
        });
        timer_.start(5);
    }

private:
    std::function<void(QWidget*)> act_;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// Presses the message box's button of that role; returns the box's text.
// Any other dialog is cancelled and named by its class.
inline QString answer(QWidget* modal, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return QString::fromLatin1(modal->metaObject()->className());
    }
    const QString text = box->text();
    box->button(button)->click();
    return text;
}
