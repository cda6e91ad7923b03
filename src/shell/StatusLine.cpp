#include "shell/StatusLine.h"

#include "shell/ConnectionLamp.h"

#include <QEvent>
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
    summary_->setObjectName(QStringLiteral("Pnl_Summary"));
    zoom_ = makePanel(this, 48);
    zoom_->setObjectName(QStringLiteral("Pnl_Zoom"));
    zoom_->setAlignment(Qt::AlignCenter);
    zoom_->setToolTip(tr("画布缩放"));
    modified_ = makePanel(this, 52);
    modified_->setObjectName(QStringLiteral("Pnl_Modified"));
    modified_->setAlignment(Qt::AlignCenter);
    message_ = makePanel(this, 470);
    message_->setObjectName(QStringLiteral("Pnl_Message"));
    summary_->setGeometry(0, 0, 400, 19);
    zoom_->setGeometry(402, 0, 48, 19);
    modified_->setGeometry(452, 0, 52, 19);
    message_->setGeometry(506, 0, 470, 19);
    showZoom(1);
    // The lamp lies over the six blanks that start every summary line.
    led_ = new ConnectionLamp(this);
    led_->move(0, 0);
    led_->raise();
}

void StatusLine::setPanelText(QLabel* panel, const QString& text) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, panel, text] { setPanelText(panel, text); }, Qt::QueuedConnection);
        return;
    }
    panel->setText(text);
    panel->repaint();
}

void StatusLine::showSummary(const QString& text) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, text] { showSummary(text); }, Qt::QueuedConnection);
        return;
    }
    summaryText_ = text;
    fitSummary();
}

void StatusLine::fitSummary() {
    const int room = summary_->contentsRect().width() - 2 * summary_->margin() - 4;
    const QString shown = summary_->fontMetrics().elidedText(summaryText_, Qt::ElideMiddle, room);
    summary_->setToolTip(shown == summaryText_ ? QString() : summaryText_);
    setPanelText(summary_, shown);
}

bool StatusLine::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitSummary();
    return handled;
}

void StatusLine::showMessage(const QString& text) {
    setPanelText(message_, text);
}

QString StatusLine::summary() const {
    return summaryText_;
}

void StatusLine::showZoom(int factor) {
    zoom_->setText(QStringLiteral("%1%").arg(factor * 100));
}

void StatusLine::showModified(bool modified) {
    modified_->setText(modified ? tr("已修改") : QString());
    modified_->setToolTip(modified ? tr("模板有未保存的改动") : QString());
}

QString StatusLine::message() const {
    return message_->text();
}
