#include "shell/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
constexpr int kSide = 20;

QIcon drawn(const std::function<void(QPainter&)>& draw, int side = kSide) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / double(kSide), side / double(kSide));
    draw(p);
    return QIcon(pixmap);
}

const QColor kInk(40, 40, 40);
const QPen kOutline(kInk, 1.2);

void page(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(12, 2);
    sheet.lineTo(16, 6);
    sheet.lineTo(16, 18);
    sheet.lineTo(4, 18);
    sheet.closeSubpath();
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({{12, 2}, {12, 6}, {16, 6}}));
}

void folder(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(230, 190, 90));
    p.drawPolygon(QPolygonF({{2, 5}, {7, 5}, {9, 7}, {17, 7}, {17, 16}, {2, 16}}));
    p.setBrush(QColor(250, 215, 120));
    p.drawPolygon(QPolygonF({{4, 9}, {19, 9}, {17, 16}, {2, 16}}));
}

void disk(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(60, 100, 170));
    p.drawRoundedRect(QRectF(3, 3, 14, 14), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 8, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 11, 8, 6));
}

void clockFace(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(10, 5));
    p.drawLine(QPointF(10, 10), QPointF(13.5, 12));
}

void send(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(90, 160, 90));
    p.drawPolygon(QPolygonF({{2, 8}, {10, 8}, {10, 4}, {18, 10}, {10, 16}, {10, 12}, {2, 12}}));
}

void search(QPainter& p) {
    p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.drawLine(QPointF(12, 12), QPointF(17, 17));
}

void paint(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(245, 225, 180));
    p.drawEllipse(QRectF(2, 3, 16, 14));
    const QColor dots[] = {Qt::red, QColor(30, 120, 220), QColor(40, 170, 60)};
    const QPointF at[] = {{6, 7}, {10, 6}, {14, 8}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 1.8, 1.8);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 13), 2, 2);
}

void about(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(QPointF(10, 10), 8, 8);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(10, 5.5));
    p.drawLine(QPointF(10, 9), QPointF(10, 14.5));
}

void exitDoor(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(3, 2, 9, 16));
    p.setPen(QPen(QColor(200, 40, 40), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9, 10), QPointF(18, 10));
    p.drawPolyline(QPolygonF({{15, 7}, {18, 10}, {15, 13}}));
}

void printHead(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(70, 70, 90));
    p.drawRoundedRect(QRectF(2, 2, 16, 7), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col)
            if ((row + col) % 2 == 0) p.drawEllipse(QPointF(4 + col * 3, 12 + row * 2.6), 1.1, 1.1);
}
} // namespace

QIcon toolIcon(ToolIcon which) {
    switch (which) {
    case ToolIcon::New: return drawn(page);
    case ToolIcon::Open: return drawn(folder);
    case ToolIcon::Save: return drawn(disk);
    case ToolIcon::Clock: return drawn(clockFace);
    case ToolIcon::Send: return drawn(send);
    case ToolIcon::Search: return drawn(search);
    case ToolIcon::Paint: return drawn(paint);
    case ToolIcon::About: return drawn(about);
    case ToolIcon::Exit: return drawn(exitDoor);
    }
    return {};
}

QIcon programIcon() {
    return drawn(printHead, 48);
}
