#include "shell/CanvasEditor.h"

#include "editor/CanvasLayout.h"
#include "model/FieldPlacement.h"
#include "shell/CanvasArea.h"
#include "shell/EditHistory.h"
#include "shell/ErrorBoundary.h"
#include "shell/FieldLayer.h"
#include "shell/panels/FieldPanel.h"
#include "shell/panels/PropertyPanels.h"

#include <QMessageBox>
#include <QToolButton>

CanvasEditor::CanvasEditor(QWidget* window, MessageTemplate& message, CanvasArea* canvas, ToolPalette* palette,
                           PropertyPanels* panels)
    : QObject(window), window_(window), message_(message), canvas_(canvas), palette_(palette), panels_(panels) {
    FieldLayer* layer = canvas->fieldLayer();
    layer->showTemplate(message);
    // The palette and the mouse are commands: each runs through the error boundary.
    connect(palette, &ToolPalette::clicked, this,
            [this](ToolPalette::Tool tool) { runCommand(window_, [&] { onToolClicked(tool); }); });
    connect(layer, &FieldLayer::pressed, this, [this](QPoint at) { runCommand(window_, [&] { onPressed(at); }); });
    connect(layer, &FieldLayer::dragged, this, [this](QPoint at) { runCommand(window_, [&] { onDragged(at); }); });
    connect(layer, &FieldLayer::released, this, guarded(window_, [this] { onReleased(); }));
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
    if (hit.part == SurfacePart::Element) startDrag(*hit.element, panelPoint);
    else if (hit.part == SurfacePart::Canvas || hit.part == SurfacePart::Border) place(hit.part, panelPoint);
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
    FieldElement& placed = placeField(message_, *kind, at.x(), at.y()); // a refusal ends the command
    if (history_) history_->record(tr("放置"), std::nullopt, snapshotOf(message_, placed));
    panels_->showFor(placed);
}

void CanvasEditor::startDrag(FieldElement& element, QPoint panelPoint) {
    message_.select(&element);
    dragged_ = element.number();
    dragStart_ = snapshotOf(message_, element);
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
    panels_->panelFor(e->kind())->setPosition(e->templatePos());
}

void CanvasEditor::onReleased() {
    FieldElement* e = dragged_ >= 0 ? message_.find(dragged_) : nullptr;
    // A drag is one step, however many moves it took; a press alone is none.
    if (e && history_ && dragStart_ && dragStart_->surfacePos() != QPoint(e->Left(), e->Top()))
        history_->record(tr("移动"), dragStart_, snapshotOf(message_, *e));
    dragStart_.reset();
    dragged_ = -1;
}

void CanvasEditor::moveSelectedBy(int dx, int dy) {
    FieldElement* e = message_.selectedElement();
    if (!e || dragged_ >= 0) return;
    const QPoint to = dragPosition(QPoint(e->Left() + dx, e->Top() + dy), QPoint(0, 0), QSize(e->Width(), e->Height()),
                                   canvas_->canvasSize());
    if (to == QPoint(e->Left(), e->Top())) return;
    auto move = [&] {
        e->SetLeft(to.x());
        e->SetTop(to.y());
        message_.notifyChanged(*e);
    };
    if (history_) history_->edit(*e, tr("移动"), move);
    else move();
    panels_->panelFor(e->kind())->setPosition(e->templatePos());
}

void CanvasEditor::selectNext() {
    const auto all = message_.elements();
    if (all.empty()) return;
    const FieldElement* selected = message_.selectedElement();
    FieldElement* next = nullptr;  // the smallest number above the selected one
    FieldElement* first = nullptr; // the smallest number of all
    for (FieldElement* e : all) {
        if (!first || e->number() < first->number()) first = e;
        if (selected && e->number() > selected->number() && (!next || e->number() < next->number())) next = e;
    }
    FieldElement* chosen = next ? next : first;
    message_.select(chosen);
    if (history_) history_->showElement(*chosen);
    else panels_->showFor(*chosen);
}

void CanvasEditor::selectionMode() {
    palette_->pressArrow();
    window_->setCursor(Qt::ArrowCursor);
}

void CanvasEditor::removeElement(FieldElement& element) {
    if (history_) history_->remove(element, tr("删除"));
    else message_.remove(element.number());
}

void CanvasEditor::deleteSelected() {
    if (message_.selectedElement()) {
        const auto answer = QMessageBox::warning(window_, tr("提示"), tr("确定要删除该组件吗？"),
                                                 QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok) {
            removeElement(*message_.selectedElement());
            panels_->showMain();
        }
    }
    palette_->pressArrow();
}
