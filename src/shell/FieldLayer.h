#pragma once
// The template's elements drawn over the canvas and the ruler picture, covering
// the whole editing surface Pnl_Main, newer elements in front. It follows the
// template's events and repaints only the dots an added, changed or removed
// element covered or covers. It takes every mouse press on the surface and
// hands it on in panel coordinates; the press's target holds the mouse until
// the release, as an element being dragged must. Each element's 1-bit
// picture is drawn as the model holds it: the layer keeps no copy of its own.
// Over the pictures the layer draws, in screen dots, the selected element's
// outline and a red hatching on every part of an element beyond the print
// area; neither touches an element's picture, so files and prints never see them.
#include "model/MessageTemplate.h"

#include <QColor>
#include <QWidget>
#include <unordered_map>

class QPainter;

class FieldLayer : public QWidget {
    Q_OBJECT
public:
    explicit FieldLayer(QWidget* panel);
    ~FieldLayer() override;

    // Shows the template's elements from now on (none before).
    void showTemplate(MessageTemplate& message);
    // Each dot as zoom x zoom screen dots, nearest neighbour; the points it
    // hands on stay panel dots.
    void setZoom(int zoom);
    // The canvas width: the print area is that long and 128 dots high.
    void setPrintWidth(int width);

    // The selection outline: kOutlineWidth screen dots just outside the element.
    static constexpr int kOutlineWidth = 2;
    static QColor outlineColor();
    static QColor outsideColor();

signals:
    void pressed(QPoint panelPoint);
    void dragged(QPoint panelPoint);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Shown {
        QRect rect;
    };
    void track(const FieldElement& element);
    void forget(int number);
    QRect onScreen(const QRect& dots) const;
    // What painting an element of that rectangle may touch, outline included.
    QRect paintedArea(const QRect& dots) const;
    void paintMarks(QPainter& painter);
    QPoint toPanel(QPointF screen) const;

    MessageTemplate* message_ = nullptr;
    int subscription_ = 0;
    int zoom_ = 1;
    int printWidth_ = 512;
    int selected_ = -1;                    // the selected element's number, -1 for none
    std::unordered_map<int, Shown> shown_; // by element number
};
