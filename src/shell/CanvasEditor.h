#pragma once
// Building a template with the mouse: the palette's modes, placing a new field
// with a press on the canvas, selecting a field with a press on it, dragging it
// within the canvas, and deleting the selected field. The mode is the window's
// pointer: a crosshair places, the arrow selects. Everything goes through the
// template; the field layer repaints from the template's events.
#include "editor/CanvasLayout.h"
#include "editor/ElementSnapshot.h"
#include "shell/ToolPalette.h"

#include <QObject>
#include <QPoint>

class CanvasArea;
class EditHistory;
class PropertyPanels;

class CanvasEditor : public QObject {
    Q_OBJECT
public:
    CanvasEditor(QWidget* window, MessageTemplate& message, CanvasArea* canvas, ToolPalette* palette,
                 PropertyPanels* panels);

    bool placementMode() const;
    // Placements, drags and deletions become steps of this history from now on.
    void setHistory(EditHistory* history) { history_ = history; }

    // The delete button's command: asks, then removes the selected field.
    void deleteSelected();
    // Moves the selected field by (dx, dy) dots, held inside the canvas as a drag is.
    void moveSelectedBy(int dx, int dy);
    // Selects the field with the next number after the selected one (the first after the last).
    void selectNext();
    // Selection mode: the arrow button down and the arrow pointer.
    void selectionMode();

private:
    void onToolClicked(ToolPalette::Tool tool);
    void onPressed(QPoint panelPoint);
    void onDragged(QPoint panelPoint);
    void onReleased();
    void place(SurfacePart part, QPoint panelPoint);
    void startDrag(FieldElement& element, QPoint panelPoint);
    void removeElement(FieldElement& element);

    QWidget* window_;
    MessageTemplate& message_;
    CanvasArea* canvas_;
    ToolPalette* palette_;
    PropertyPanels* panels_;
    EditHistory* history_ = nullptr;
    std::optional<ElementSnapshot> dragStart_; // the dragged element before the drag
    int dragged_ = -1;                         // number of the element holding the mouse, or -1
    QPoint grip_;                              // the pressed dot inside that element
};
