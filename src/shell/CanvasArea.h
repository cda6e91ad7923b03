#pragma once
// The canvas area: the purple scroll box ScrollBox1, the editing surface
// Pnl_Main, the ruler picture Img_Main, the canvas Img_Center and, in front of
// them all, the layer that draws the template's elements.
#include "shell/CanvasGeometry.h"

#include <QLabel>
#include <QScrollArea>

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

    QWidget* Pnl_Main() const { return panel_; }
    QLabel* canvasPicture() const { return canvas_; }
    RulerPicture* rulerPicture() const { return ruler_; }
    int canvasHeight() const { return canvasHeight_; }
    QSize canvasSize() const;
    FieldLayer* fieldLayer() const { return fields_; }

private:
    void clearCanvas();

    QWidget* content_;
    QFrame* panel_;
    RulerPicture* ruler_;
    QLabel* canvas_;
    FieldLayer* fields_;
    int canvasHeight_ = 128;
};
