#include "shell/StatusLine.h"

#include "shell/ConnectionLamp.h"

#include <QLabel>
#include <QMetaObject>
#include <QThread>

namespace {
QLabel* makePanel(QWidget* parent, int width) {
    auto* panel = new QLabel(parent);
    panel->setFixedWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}
} // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    // The panels keep their widths and are cut off by a narrower window, as the
    // two together are wider than the window's 800 dots.
    setFixedHeight(19);
    setMinimumWidth(0);
    summary_ = makePanel(this, 400);
    message_ = makePanel(this, 470);
    summary_->setGeometry(0, 0, 400, 19);
    message_->setGeometry(402, 0, 470, 19);
    // The lamp lies over the six blanks that start every summary line.
    led_ = new ConnectionLamp(this);
    led_->move(0, 0);
    led_->raise();
}

void StatusLine::setPanelText(QLabel* panel, const QString& text) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, panel, text] { setPanelText(panel, text); }, Qt::QueuedConnection);
        return;
    }
    panel->setText(text);
    panel->repaint();
}

void StatusLine::showSummary(const QString& text) {
    setPanelText(summary_, text);
}

void StatusLine::showMessage(const QString& text) {
    setPanelText(message_, text);
}

QString StatusLine::summary() const {
    return summary_->text();
}

QString StatusLine::message() const {
    return message_->text();
}
