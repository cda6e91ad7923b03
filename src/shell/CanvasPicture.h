#pragma once
// The canvas picture Img_Center. It holds the canvas at one screen dot per
// template dot; zoomed by a whole factor it shows each dot as a square of that
// many screen dots, painting only the part that needs it.
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
