#include "shell/Ruler.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int kCanvasOffset = 21;
const QColor kTickColor(Qt::red);
const QColor kNumberColor(Qt::blue);

QFont numberFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    return font;
}
} // namespace

void drawRuler(QPainter& painter, const QRect& area) {
    painter.fillRect(area, Qt::white);
    painter.setFont(numberFont());
    const int first = std::max(0, (area.left() - kCanvasOffset - 40) / 20 * 20);
    const int last = std::min(20000, area.right() - kCanvasOffset + 40);
    for (int c = first; c <= last; c += 20) {
        const int x = c + kCanvasOffset;
        const bool major = c % 100 == 0;
        painter.fillRect(QRect(x, 0, 1, major ? 16 : 7), kTickColor);
        if (major) {
            painter.setPen(kNumberColor);
            const QString number = QString::number(c);
            painter.drawText(QRect(x - 20, 0, 40, 16), Qt::AlignCenter, number);
        }
    }
    if (area.left() < kCanvasOffset) {
        const int rows[] = {20, 120};
        for (int row : rows) {
            painter.fillRect(QRect(0, row, 7, 1), kTickColor);
            painter.setPen(kNumberColor);
            painter.drawText(QRect(0, row + 1, 20, 12), Qt::AlignLeft | Qt::AlignTop, QString::number(row - 20));
        }
    }
}

RulerPicture::RulerPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RulerPicture::setZoom(int zoom) {
    zoom_ = zoom;
    update();
}

void RulerPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect screen = event->rect();
    // The picture dots the dirty screen rectangle touches.
    const QRect dots(QPoint(screen.left() / zoom_, screen.top() / zoom_),
                     QPoint(screen.right() / zoom_, screen.bottom() / zoom_));
    painter.scale(zoom_, zoom_);
    drawRuler(painter, dots.intersected(QRect(0, 0, kRulerWidth, kRulerHeight)));
}
