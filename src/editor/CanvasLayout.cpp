#include "editor/CanvasLayout.h"

#include "model/Coordinates.h"

#include <QRect>

namespace {
constexpr int kPanelMargin = 2 * kCanvasOrigin; // W + 42
constexpr int kPanelHeight = 174;
} // namespace

QSize surfaceSize(QSize canvas) {
    return {canvas.width() + kPanelMargin, kPanelHeight};
}

SurfaceHit hitSurface(const MessageTemplate& message, QPoint point, QSize canvas) {
    const QRect panel(QPoint(0, 0), surfaceSize(canvas));
    if (!panel.contains(point)) return {};
    const auto elements = message.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        FieldElement* e = *it;
        if (QRect(e->Left(), e->Top(), e->Width(), e->Height()).contains(point)) return {SurfacePart::Element, e};
    }
    if (QRect(QPoint(kCanvasOrigin, kCanvasOrigin), canvas).contains(point)) return {SurfacePart::Canvas};
    if (!panel.adjusted(1, 1, -1, -1).contains(point)) return {SurfacePart::Border};
    return {SurfacePart::Ruler};
}

std::optional<QPoint> placementPoint(SurfacePart part, QPoint point) {
    switch (part) {
    case SurfacePart::Canvas: // canvas point + 21 is the panel point itself
        return QPoint(templateFromSurface(point.x()), templateFromSurface(point.y()));
    case SurfacePart::Border: return point; // panel point + 21, less 21
    default: return std::nullopt;
    }
}

QPoint dragPosition(QPoint mouse, QPoint grip, QSize element, QSize canvas) {
    int left = mouse.x() - grip.x();
    int top = mouse.y() - grip.y();
    if (top < kCanvasOrigin) top = kCanvasOrigin;
    if (left < kCanvasOrigin) left = kCanvasOrigin;
    if (top + element.height() > kCanvasOrigin + canvas.height())
        top = kCanvasOrigin + canvas.height() - element.height();
    if (left + element.width() > kCanvasOrigin + canvas.width())
        left = kCanvasOrigin + canvas.width() - element.width();
    return {left, top};
}
