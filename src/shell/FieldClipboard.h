#pragma once
// Copy, cut and paste of fields. A copied field pastes as a new element of the
// same kind and properties, 8 dots right of and below the copied field (held
// inside the canvas as a drag is), numbered by the placement rule and selected.
// Cut is a copy and a deletion without the question.
#include "editor/ElementSnapshot.h"

#include <QObject>
#include <QSize>
#include <functional>
#include <optional>

class EditHistory;

class FieldClipboard : public QObject {
    Q_OBJECT
public:
    // canvasSize gives the canvas's size in dots at the moment of the paste.
    FieldClipboard(MessageTemplate& message, EditHistory& history, std::function<QSize()> canvasSize,
                   QObject* parent = nullptr);

    void copy();
    void cut();
    void paste();
    bool holdsField() const { return copied_.has_value(); }

signals:
    void contentChanged();

private:
    MessageTemplate& message_;
    EditHistory& history_;
    std::function<QSize()> canvasSize_;
    std::optional<ElementSnapshot> copied_;
};
