#pragma once
// The ruler picture behind the canvas: 20048 x 172 dots, white, red ticks every
// 20 canvas columns (canvas column c in picture column c + 21), 7 dots long, and
// at every 100th column 16 dots long with the column number in blue; red marks
// on picture rows 20 and 120 at the left edge with the numbers 0 and 100.
#include <QRect>
#include <QWidget>

class QPainter;

inline constexpr int kRulerWidth = 20048;
inline constexpr int kRulerHeight = 172;

// Paints the part of the ruler picture that lies in area (picture coordinates).
void drawRuler(QPainter& painter, const QRect& area);

// The picture `rulerPicture`: shows the ruler from its top-left corner, cut off at its own width.
// Zoomed by a whole factor, each dot of the picture is that many screen dots
// square and the numbers grow with it.
class RulerPicture : public QWidget {
public:
    explicit RulerPicture(QWidget* parent = nullptr);
    void setZoom(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int zoom_ = 1;
};
