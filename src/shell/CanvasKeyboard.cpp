#include "shell/CanvasKeyboard.h"

#include "shell/CanvasEditor.h"
#include "shell/ErrorBoundary.h"

#include <QKeyEvent>
#include <QWidget>

CanvasKeyboard::CanvasKeyboard(QWidget* layer, CanvasEditor& editor) : QObject(layer), editor_(editor) {
    layer->setFocusPolicy(Qt::ClickFocus);
    layer->installEventFilter(this);
}

bool CanvasKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason);
    if (event->type() != QEvent::KeyPress) return false;
    // A key is a command: it runs through the error boundary.
    bool used = true; // a key whose command failed is used up
    runCommand(static_cast<QWidget*>(watched)->window(), [&] { used = runKey(*static_cast<QKeyEvent*>(event)); });
    return used;
}

bool CanvasKeyboard::runKey(const QKeyEvent& key) {
    const int step = key.modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (key.key()) {
    case Qt::Key_Left: editor_.moveSelectedBy(-step, 0); return true;
    case Qt::Key_Right: editor_.moveSelectedBy(step, 0); return true;
    case Qt::Key_Up: editor_.moveSelectedBy(0, -step); return true;
    case Qt::Key_Down: editor_.moveSelectedBy(0, step); return true;
    case Qt::Key_Delete: editor_.deleteSelected(); return true;
    case Qt::Key_Escape: editor_.selectionMode(); return true;
    case Qt::Key_Tab: editor_.selectNext(); return true;
    default: return false;
    }
}
