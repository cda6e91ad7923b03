#include "editor/ElementSnapshot.h"

QPoint ElementSnapshot::surfacePos() const {
    return field ? QPoint(field->Left(), field->Top()) : QPoint(barcode->Left(), barcode->Top());
}

QSize ElementSnapshot::size() const {
    return field ? QSize(field->Width(), field->Height()) : QSize(barcode->Width(), barcode->Height());
}

ElementSnapshot snapshotOf(const MessageTemplate& message, const FieldElement& element) {
    ElementSnapshot s;
    s.number = element.Number();
    s.stackIndex = message.stackIndex(element);
    if (element.IsBarcode())
        s.barcode = std::make_shared<const Barcode>(*element.AsBarcode());
    else
        s.field = std::make_shared<const FieldImage>(*element.AsField());
    return s;
}

FieldElement& addCopy(MessageTemplate& message, const ElementSnapshot& snapshot, int number, QPoint surfacePos) {
    // Copies, so that the snapshot stays as it was whatever happens to the element.
    if (snapshot.barcode) {
        auto barcode = std::make_unique<Barcode>(*snapshot.barcode);
        barcode->SetLeft(surfacePos.x());
        barcode->SetTop(surfacePos.y());
        return message.add(number, std::move(barcode));
    }
    auto field = std::make_unique<FieldImage>(*snapshot.field);
    field->SetLeft(surfacePos.x());
    field->SetTop(surfacePos.y());
    return message.add(number, std::move(field));
}

FieldElement& restoreSnapshot(MessageTemplate& message, const ElementSnapshot& snapshot) {
    FieldElement& e = addCopy(message, snapshot, snapshot.number, snapshot.surfacePos());
    message.restack(e, snapshot.stackIndex);
    return e;
}
