#include "shell/FieldClipboard.h"

#include "editor/CanvasLayout.h"
#include "shell/EditHistory.h"

namespace {
constexpr int kPasteOffset = 8; // dots right of and below the copied field
}

FieldClipboard::FieldClipboard(MessageTemplate& message, EditHistory& history, std::function<QSize()> canvasSize,
                               QObject* parent)
    : QObject(parent), message_(message), history_(history), canvasSize_(std::move(canvasSize)) {}

void FieldClipboard::copy() {
    const FieldElement* e = message_.selectedElement();
    if (!e) return;
    copied_ = snapshotOf(message_, *e);
    emit contentChanged();
}

void FieldClipboard::cut() {
    FieldElement* e = message_.selectedElement();
    if (!e) return;
    copy();
    history_.remove(*e, tr("剪切"));
}

void FieldClipboard::paste() {
    if (!copied_) return;
    const QPoint to = dragPosition(copied_->surfacePos() + QPoint(kPasteOffset, kPasteOffset), QPoint(0, 0),
                                   copied_->size(), canvasSize_());
    FieldElement& pasted = addCopy(message_, *copied_, message_.takeNextNumber(), to);
    message_.select(&pasted);
    history_.record(tr("粘贴"), std::nullopt, snapshotOf(message_, pasted));
    history_.showElement(pasted);
}
