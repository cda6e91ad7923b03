#include "shell/PaletteIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int kSize = 21;
const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 200);

void drawArrow(QPainter& p) {
    const QPointF points[] = {{5, 2}, {5, 17}, {9, 13}, {12, 19}, {14.5, 18}, {11.5, 12}, {16.5, 12}};
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawPolygon(points, 7);
}

void drawBars(QPainter& p) {
    const int widths[] = {1, 2, 1, 1, 3, 1, 2, 1, 1, 2};
    int x = 2;
    for (int i = 0; i < 10 && x < 19; ++i) {
        if (i % 2 == 0) p.fillRect(x, 3, widths[i], 13, Qt::black);
        x += widths[i];
    }
    p.fillRect(2, 17, 17, 1, kInk);
}

void drawLandscape(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(220, 238, 255));
    p.drawRect(2, 3, 16, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 170, 20));
    p.drawEllipse(QPointF(13.5, 7.5), 2, 2);
    p.setBrush(QColor(40, 140, 60));
    const QPointF hills[] = {{3, 16}, {8, 8}, {12, 13}, {14, 11}, {17, 16}};
    p.drawPolygon(hills, 5);
}

void drawLetters(QPainter& p, const QString& text, const QColor& colour, int pixelSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void drawCalendar(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(2, 4, 16, 14);
    p.fillRect(3, 5, 15, 3, QColor(200, 40, 40));
    p.fillRect(5, 2, 2, 4, kInk);
    p.fillRect(14, 2, 2, 4, kInk);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.fillRect(4 + c * 4, 9 + r * 3, 2, 2, kBlue);
}

void drawHourglass(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(240, 200, 80));
    const QPointF glass[] = {{11, 10}, {19, 10}, {15, 15}, {19, 20}, {11, 20}, {15, 15}};
    p.drawPolygon(glass, 6);
}

void drawClock(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10.5, 10.5), 8, 8);
    p.setPen(QPen(kBlue, 1.6));
    p.drawLine(QPointF(10.5, 10.5), QPointF(10.5, 5));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.5, 12.5));
}

void drawCross(QPainter& p) {
    p.setPen(QPen(QColor(210, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(5, 5, 16, 16);
    p.drawLine(16, 5, 5, 16);
}
} // namespace

QIcon paletteIcon(ToolPalette::Tool tool) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (tool) {
    case ToolPalette::Cursor: drawArrow(p); break;
    case ToolPalette::BarCode: drawBars(p); break;
    case ToolPalette::Image: drawLandscape(p); break;
    case ToolPalette::Str: drawLetters(p, QStringLiteral("Ab"), kInk, 12); break;
    case ToolPalette::Date: drawCalendar(p); break;
    case ToolPalette::Period:
        drawCalendar(p);
        drawHourglass(p);
        break;
    case ToolPalette::No: drawLetters(p, QStringLiteral("123"), kBlue, 9); break;
    case ToolPalette::RunNo: drawClock(p); break;
    case ToolPalette::Del: drawCross(p); break;
    }
    return QIcon(pixmap);
}
