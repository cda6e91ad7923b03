#pragma once
// The canvas picture Img_Center: white inside a one-dot black frame, each
// template dot shown as zoom x zoom screen dots. It is painted, a dirty part at
// a time, and keeps no picture, whatever the canvas's size.
#include <QLabel>

class CanvasPicture : public QLabel {
public:
    explicit CanvasPicture(QWidget* parent = nullptr) : QLabel(parent) {}
    void setZoom(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int zoom_ = 1;
};
