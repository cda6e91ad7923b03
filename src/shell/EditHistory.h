#pragma once
// The editor's undo history: every placement, drag, keyboard move, deletion,
// paste and property edit is one step holding the element's state before and
// after it (none for an element that does not exist). Undo and redo put the
// element back exactly, select it and fill its panel; a step that leaves no
// element brings the general panel forward. Numbers are never handed back:
// NextControlNo stays where the placements left it. The keys typed into one
// box make one step until the box is left.
#include "editor/ElementSnapshot.h"

#include <QObject>
#include <functional>
#include <optional>

class PropertyPanels;
class QUndoStack;
class QWidget;

class EditHistory : public QObject {
    Q_OBJECT
public:
    EditHistory(QWidget* window, MessageTemplate& message, PropertyPanels* panels);

    QUndoStack* stack() const { return stack_; }
    // Forgets every step (a new or opened template).
    void clear();

    // Records a step already done: the element's state before and after it.
    void record(const QString& text, std::optional<ElementSnapshot> before, std::optional<ElementSnapshot> after);
    // Runs change on the element (it changes the element in place and notifies)
    // and records it as one step. Steps of the same mergeKey (not 0) on the same
    // element that follow one another make one step (typing into a box).
    void edit(FieldElement& element, const QString& text, const std::function<void()>& change, int mergeKey = 0);
    // Removes the element, records its removal and brings the general panel forward.
    void remove(FieldElement& element, const QString& text);
    // Records a step already done that changed more than one element (新建,
    // 打开, a change of the stacking order): undo and redo run the given calls.
    void recordCommand(const QString& text, std::function<void()> undo, std::function<void()> redo);

    // Brings the element forward in its panel (errors go to the error box).
    void showElement(FieldElement& element);

private:
    friend class ElementStep;
    void apply(int number, const std::optional<ElementSnapshot>& state);

    QWidget* window_;
    MessageTemplate& message_;
    PropertyPanels* panels_;
    QUndoStack* stack_;
    // Counts the moves of the keyboard focus: typing merges into one step only
    // while the focus stays in the box it began in.
    int typingSession_ = 0;
};
