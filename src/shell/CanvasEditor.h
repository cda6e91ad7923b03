#pragma once
// Building a template with the mouse: the palette's modes, placing a new field
// with a press on the canvas, selecting a field with a press on it, dragging it
// within the canvas, and deleting the selected field. The mode is the window's
// pointer: a crosshair places, the arrow selects. Everything goes through the
// template; the field layer repaints from the template's events.
#include "editor/CanvasLayout.h"
#include "shell/ToolPalette.h"

#include <QObject>
#include <QPoint>

class CanvasArea;
class PropertyPanels;

class CanvasEditor : public QObject {
    Q_OBJECT
public:
    CanvasEditor(QWidget* window, MessageTemplate& message, CanvasArea* canvas, ToolPalette* palette,
                 PropertyPanels* panels);

    bool placementMode() const;

private:
    void onToolClicked(ToolPalette::Tool tool);
    void onPressed(QPoint panelPoint);
    void onDragged(QPoint panelPoint);
    void onReleased();
    void place(SurfacePart part, QPoint panelPoint);
    void startDrag(FieldElement& element, QPoint panelPoint);
    void deleteSelected();

    QWidget* window_;
    MessageTemplate& message_;
    CanvasArea* canvas_;
    ToolPalette* palette_;
    PropertyPanels* panels_;
    int dragged_ = -1;  // number of the element holding the mouse, or -1
    QPoint grip_;       // the pressed dot inside that element
};
