#pragma once
// The canvas area: the purple scroll box ScrollBox1, the editing surface
// Pnl_Main, the ruler picture Img_Main, the canvas Img_Center and, in front of
// them all, the layer that draws the template's elements.
#include "shell/CanvasGeometry.h"
#include "shell/CanvasPicture.h"

#include <QLabel>
#include <QScrollArea>
#include <optional>

class FieldLayer;
class RulerPicture;

class CanvasArea : public QScrollArea {
    Q_OBJECT
public:
    explicit CanvasArea(QWidget* parent = nullptr);

    // Applies the canvas sizing rule for W; the canvas keeps its height.
    void setCanvasWidth(int width);
    // Gives the canvas a new size and clears it (opening a template file).
    void setCanvasSize(int width, int height);

    // Shows every template dot as zoom x zoom screen dots (1 to 8), keeping the
    // template dot at anchor (a point of the viewport) where it was.
    void setZoom(int zoom, std::optional<QPoint> anchor = std::nullopt);
    int zoom() const { return zoom_; }
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    QWidget* Pnl_Main() const { return panel_; }
    QLabel* canvasPicture() const { return canvas_; }
    RulerPicture* rulerPicture() const { return ruler_; }
    int canvasHeight() const { return canvasHeight_; }
    QSize canvasSize() const;
    FieldLayer* fieldLayer() const { return fields_; }

private:
    void layOut();

    QWidget* content_;
    QFrame* panel_;
    RulerPicture* ruler_;
    CanvasPicture* canvas_;
    FieldLayer* fields_;
    int canvasWidth_ = 512;
    int canvasHeight_ = 128;
    int zoom_ = 1;
};
