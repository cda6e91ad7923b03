#include "shell/ConnectionLamp.h"

#include <QMetaObject>
#include <QPainter>
#include <QThread>

ConnectionLamp::ConnectionLamp(QWidget* parent) : QWidget(parent) {
    setFixedSize(25, 19);
}

void ConnectionLamp::setLit(bool lit) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, lit] { setLit(lit); }, Qt::QueuedConnection);
        return;
    }
    if (lit_ == lit) return;
    lit_ = lit;
    repaint();
}

void ConnectionLamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF lamp(7.5, 4.5, 10, 10);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(lit_ ? QColor(40, 220, 40) : QColor(0, 90, 0));
    p.drawEllipse(lamp);
    if (lit_) { // a small highlight makes the lit state obvious
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 255, 200));
        p.drawEllipse(QRectF(10, 7, 3, 3));
    }
}
