#include "shell/CanvasPicture.h"

#include <QPaintEvent>
#include <QPainter>

void CanvasPicture::setZoom(int zoom) {
    zoom_ = zoom;
    update();
}

void CanvasPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, Qt::white);
    const int w = width(), h = height(), z = zoom_;
    const QRect frame[] = {{0, 0, w, z}, {0, h - z, w, z}, {0, 0, z, h}, {w - z, 0, z, h}};
    for (const QRect& side : frame) painter.fillRect(side.intersected(dirty), Qt::black);
}
