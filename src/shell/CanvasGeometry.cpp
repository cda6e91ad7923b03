#include "shell/CanvasGeometry.h"

#include <QPainter>

CanvasGeometry canvasGeometryFor(int width) {
    return {width, width + 42, width + 42 + 120, width + 40};
}

QImage blankCanvasImage(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
    return image;
}
