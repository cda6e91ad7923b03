#include "shell/CanvasEditor.h"

#include "editor/CanvasLayout.h"
#include "model/FieldPlacement.h"
#include "shell/CanvasArea.h"
#include "shell/FieldLayer.h"
#include "shell/panels/FieldPanel.h"
#include "shell/panels/PropertyPanels.h"

#include <QApplication>
#include <QMessageBox>
#include <QToolButton>

CanvasEditor::CanvasEditor(QWidget* window, MessageTemplate& message, CanvasArea* canvas,
                           ToolPalette* palette, PropertyPanels* panels)
    : QObject(window), window_(window), message_(message), canvas_(canvas), palette_(palette),
      panels_(panels) {
    FieldLayer* layer = canvas->fieldLayer();
    layer->showTemplate(message);
    connect(palette, &ToolPalette::clicked, this, &CanvasEditor::onToolClicked);
    connect(layer, &FieldLayer::pressed, this, &CanvasEditor::onPressed);
    connect(layer, &FieldLayer::dragged, this, &CanvasEditor::onDragged);
    connect(layer, &FieldLayer::released, this, &CanvasEditor::onReleased);
}

bool CanvasEditor::placementMode() const {
    return window_->cursor().shape() == Qt::CrossCursor;
}

void CanvasEditor::onToolClicked(ToolPalette::Tool tool) {
    switch (tool) {
    case ToolPalette::Cursor: window_->setCursor(Qt::ArrowCursor); break;
    case ToolPalette::Del: deleteSelected(); break;
    default: window_->setCursor(Qt::CrossCursor); break;
    }
}

void CanvasEditor::onPressed(QPoint panelPoint) {
    const SurfaceHit hit = hitSurface(message_, panelPoint, canvas_->canvasSize());
    if (hit.part == SurfacePart::Element)
        startDrag(*hit.element, panelPoint);
    else if (hit.part == SurfacePart::Canvas || hit.part == SurfacePart::Border)
        place(hit.part, panelPoint);
}

void CanvasEditor::place(SurfacePart part, QPoint panelPoint) {
    if (!placementMode()) return;
    const std::optional<eStyle> kind = palette_->downKind();
    palette_->pressArrow();
    if (!kind) {
        panels_->showMain();
        return;
    }
    const QPoint at = *placementPoint(part, panelPoint);
    try {
        FieldElement& placed = PlaceField(message_, *kind, at.x(), at.y());
        panels_->showFor(placed);
    } catch (const std::exception& e) {
        QMessageBox::critical(window_, QApplication::applicationName(), QString::fromUtf8(e.what()));
    }
}

void CanvasEditor::startDrag(FieldElement& element, QPoint panelPoint) {
    message_.select(&element);
    dragged_ = element.Number();
    grip_ = panelPoint - QPoint(element.Left(), element.Top());
    panels_->showFor(element);
}

void CanvasEditor::onDragged(QPoint panelPoint) {
    FieldElement* e = dragged_ >= 0 ? message_.find(dragged_) : nullptr;
    if (!e) return;
    const QPoint to = dragPosition(panelPoint, grip_, QSize(e->Width(), e->Height()), canvas_->canvasSize());
    e->SetLeft(to.x());
    e->SetTop(to.y());
    message_.notifyChanged(*e);
    panels_->panelFor(e->Kind())->setPosition(e->TemplatePos());
}

void CanvasEditor::onReleased() {
    dragged_ = -1;
}

void CanvasEditor::deleteSelected() {
    if (message_.SelectedControl()) {
        const auto answer = QMessageBox::warning(window_, QStringLiteral("提示"), QStringLiteral("确定要删除该组件吗？"),
                                                 QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok) {
            message_.removeSelected();
            panels_->showMain();
        }
    }
    palette_->pressArrow();
}
