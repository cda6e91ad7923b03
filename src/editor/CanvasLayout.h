#pragma once
// Where a point of the editing surface Pnl_Main lies (an element, the canvas,
// the panel's one-dot border or the ruler picture behind the canvas), where a
// press places a new element, and where a dragged element may go.
// All points are panel points unless named otherwise.
#include "model/MessageTemplate.h"

#include <QPoint>
#include <QSize>
#include <optional>

enum class SurfacePart { Element, Canvas, Border, Ruler, Outside };

struct SurfaceHit {
    SurfacePart part = SurfacePart::Outside;
    FieldElement* element = nullptr; // for SurfacePart::Element
};

// The panel is W + 42 by 174 dots; its canvas W x H lies at (21, 21).
QSize surfaceSize(QSize canvas);

// Elements lie in front of everything, the newest in front; then the canvas,
// the border, and the ruler picture that fills the rest of the panel.
SurfaceHit hitSurface(const MessageTemplate& message, QPoint point, QSize canvas);

// The template point a press places a new element at: the element's Left/Top
// is the press point in the coordinates of the control pressed, plus 21. A
// canvas press lands on the pressed canvas dot; a border press 21 dots right of
// and below it. Ruler and elements place nothing (nullopt).
std::optional<QPoint> placementPoint(SurfacePart part, QPoint point);

// The surface position (Left, Top) of an element of the given size dragged so
// that the dot it was pressed at (grip, inside the element) lies under the mouse.
// Top/left are held at 21 first, bottom/right at the canvas's far edges second,
// so an element larger than the canvas sticks out on the left or top.
QPoint dragPosition(QPoint mouse, QPoint grip, QSize element, QSize canvas);
