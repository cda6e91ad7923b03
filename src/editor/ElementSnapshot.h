#pragma once
// A copy of one element as it stands: its number, its place in the stacking
// order, and its field or barcode with every property, position and picture.
// Undo puts an element back from such a copy; a paste adds a copy of one under
// a new number.
#include "model/MessageTemplate.h"

#include <memory>

struct ElementSnapshot {
    int number = -1;
    int stackIndex = 0;
    std::shared_ptr<const FieldImage> field; // exactly one of field and barcode
    std::shared_ptr<const Barcode> barcode;

    QPoint surfacePos() const;
    QSize size() const;
};

// Whether two snapshots hold the same element in the same state (number,
// stacking place, position, every property and the picture).
bool sameState(const ElementSnapshot& a, const ElementSnapshot& b);

ElementSnapshot snapshotOf(const MessageTemplate& message, const FieldElement& element);

// Puts the element back as the snapshot holds it, under its number and at its
// place in the stacking order, replacing an element of that number.
FieldElement& restoreSnapshot(MessageTemplate& message, const ElementSnapshot& snapshot);

// Adds a copy of the snapshot's element under a new number, in front of all
// others, with its top-left corner at the surface point.
FieldElement& addCopy(MessageTemplate& message, const ElementSnapshot& snapshot, int number, QPoint surfacePos);
