#pragma once
// Keys on the canvas (while the field layer has the focus): the arrows move the
// selected field by one dot, with Shift by ten, held inside the canvas as a drag
// is; Delete runs the delete button's command; Escape returns to selection mode;
// Tab selects the next field in number order.
#include <QObject>

class CanvasEditor;
class QKeyEvent;
class QWidget;

class CanvasKeyboard : public QObject {
public:
    CanvasKeyboard(QWidget* layer, CanvasEditor& editor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool runKey(const QKeyEvent& key); // true when the key was one of the canvas's

    CanvasEditor& editor_;
};
