#include "shell/PrintSheetView.h"

#include <QPaintEvent>
#include <QPainter>

PrintSheetView::PrintSheetView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PrintSheetView::setSheet(QImage sheet) {
    sheet_ = std::move(sheet);
    setFixedSize(sheet_.isNull() ? QSize(0, 0) : sheet_.size());
    update();
}

void PrintSheetView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const QRect shown = event->rect() & sheet_.rect();
    if (shown.isEmpty()) return;
    painter.drawImage(shown.topLeft(), sheet_.copy(shown).convertToFormat(QImage::Format_RGB32));
}
