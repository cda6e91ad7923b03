#pragma once
// The canvas area: the purple scroll box `ScrollBox1`, the editing surface
// `Pnl_Main`, the ruler picture `Img_Main` behind it and the canvas `Img_Center`.
#include "CanvasGeometry.h"

#include <QLabel>
#include <QScrollArea>

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
    QLabel* Img_Center() const { return canvas_; }
    RulerPicture* Img_Main() const { return ruler_; }
    int canvasHeight() const { return canvasHeight_; }

private:
    void clearCanvas();

    QWidget* content_;
    QFrame* panel_;
    RulerPicture* ruler_;
    QLabel* canvas_;
    int canvasHeight_ = 128;
};
