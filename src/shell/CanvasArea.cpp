#include "shell/CanvasArea.h"

#include "shell/FieldLayer.h"
#include "shell/Ruler.h"

#include <QPixmap>

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
    canvas_ = new QLabel(panel_);
    canvas_->setObjectName(QStringLiteral("Img_Center"));
    canvas_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fields_ = new FieldLayer(panel_);
    fields_->setObjectName(QStringLiteral("FieldLayer"));
    setWidget(content_);
    setWidgetResizable(false);
    setCanvasWidth(512);
}

void CanvasArea::setCanvasWidth(int width) {
    const CanvasGeometry g = canvasGeometryFor(width);
    panel_->setGeometry(kPanelLeft, kPanelTop, g.panelWidth, kPanelHeight);
    ruler_->setGeometry(1, 1, g.rulerWidth, kPanelHeight - 2);
    canvas_->setGeometry(kCanvasInPanel, kCanvasInPanel, g.canvasWidth, canvasHeight_);
    fields_->setGeometry(0, 0, g.panelWidth, kPanelHeight);
    content_->resize(g.scrollRange, kPanelTop + kPanelHeight + 20);
    clearCanvas();
    ruler_->update();
}

void CanvasArea::setCanvasSize(int width, int height) {
    canvasHeight_ = height;
    setCanvasWidth(width);
}

void CanvasArea::clearCanvas() {
    canvas_->setPixmap(QPixmap::fromImage(blankCanvasImage(canvas_->width(), canvasHeight_)));
}

QSize CanvasArea::canvasSize() const {
    return {canvas_->width(), canvasHeight_};
}
