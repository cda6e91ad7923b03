#include "shell/CanvasArea.h"

#include "shell/CanvasPicture.h"
#include "shell/FieldLayer.h"
#include "shell/Ruler.h"

#include <QScrollBar>

CanvasArea::CanvasArea(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("ScrollBox1"));
    setFrameStyle(QFrame::NoFrame);
    QPalette purple = palette();
    purple.setColor(QPalette::Window, QColor(128, 0, 128));
    setPalette(purple);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);

    content_ = new QWidget;
    content_->setAutoFillBackground(false);
    panel_ = new QFrame(content_);
    panel_->setObjectName(QStringLiteral("Pnl_Main"));
    panel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel_->setLineWidth(1);
    panel_->setAutoFillBackground(true);
    ruler_ = new RulerPicture(panel_);
    ruler_->setObjectName(QStringLiteral("Img_Main"));
    canvas_ = new CanvasPicture(panel_);
    canvas_->setObjectName(QStringLiteral("Img_Center"));
    canvas_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fields_ = new FieldLayer(panel_);
    fields_->setObjectName(QStringLiteral("FieldLayer"));
    setWidget(content_);
    setWidgetResizable(false);
    setCanvasWidth(512);
}

void CanvasArea::setCanvasWidth(int width) {
    canvasWidth_ = width;
    layOut();
    canvas_->update();
    ruler_->update();
}

// The panel keeps its place in the scroll box; everything on it grows by the zoom.
void CanvasArea::layOut() {
    const CanvasGeometry g = canvasGeometryFor(canvasWidth_);
    const int z = zoom_;
    panel_->setGeometry(kPanelLeft, kPanelTop, g.panelWidth * z, kPanelHeight * z);
    panel_->setLineWidth(z);
    ruler_->setGeometry(z, z, g.rulerWidth * z, (kPanelHeight - 2) * z);
    canvas_->setGeometry(kCanvasInPanel * z, kCanvasInPanel * z, g.canvasWidth * z, canvasHeight_ * z);
    fields_->setGeometry(0, 0, g.panelWidth * z, kPanelHeight * z);
    fields_->setPrintWidth(g.canvasWidth);
    content_->resize(g.scrollRange + g.panelWidth * (z - 1), kPanelTop + kPanelHeight * z + 20);
}

void CanvasArea::setZoom(int zoom, std::optional<QPoint> anchor) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_) return;
    const QPoint at = anchor.value_or(viewport()->rect().center());
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QPointF dot = QPointF(at + scroll - panel_->pos()) / zoom_;
    zoom_ = zoom;
    layOut();
    canvas_->setZoom(zoom);
    ruler_->setZoom(zoom);
    fields_->setZoom(zoom);
    const QPoint kept = panel_->pos() + (dot * zoom).toPoint() - at;
    horizontalScrollBar()->setValue(kept.x());
    verticalScrollBar()->setValue(kept.y());
}

void CanvasArea::setCanvasSize(int width, int height) {
    canvasHeight_ = height;
    setCanvasWidth(width);
}

QSize CanvasArea::canvasSize() const {
    return {canvasWidth_, canvasHeight_};
}
