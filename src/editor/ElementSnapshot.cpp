#include "editor/ElementSnapshot.h"

QPoint ElementSnapshot::surfacePos() const {
    return field ? QPoint(field->Left(), field->Top()) : QPoint(barcode->Left(), barcode->Top());
}

QSize ElementSnapshot::size() const {
    return field ? QSize(field->Width(), field->Height()) : QSize(barcode->Width(), barcode->Height());
}

namespace {
bool sameField(const FieldImage& a, const FieldImage& b) {
    return a.Left() == b.Left() && a.Top() == b.Top() && a.UserStyle() == b.UserStyle() &&
           a.UserValue() == b.UserValue() && a.UserFontSize() == b.UserFontSize() && a.UserSpace() == b.UserSpace() &&
           a.UserExplain() == b.UserExplain() && a.UserFont() == b.UserFont() && a.UserPeriod() == b.UserPeriod() &&
           a.UserNoDigit() == b.UserNoDigit() && a.UserIncrement() == b.UserIncrement() && a.picture() == b.picture();
}

bool sameBarcode(const Barcode& a, const Barcode& b) {
    return a.Left() == b.Left() && a.Top() == b.Top() && a.Bar_Caption() == b.Bar_Caption() &&
           a.Bar_CodeAddon() == b.Bar_CodeAddon() && a.Bar_CodeType() == b.Bar_CodeType() &&
           a.Bar_ModuleWidth() == b.Bar_ModuleWidth() && a.Bar_Ratio() == b.Bar_Ratio() &&
           a.Bar_Rotation() == b.Bar_Rotation() && a.Bar_HeightPercent() == b.Bar_HeightPercent() &&
           a.Bar_Fontname() == b.Bar_Fontname() && a.Bar_Fontscaling() == b.Bar_Fontscaling() &&
           a.Bar_WidthReduce() == b.Bar_WidthReduce() && a.Bar_HighDensity() == b.Bar_HighDensity() &&
           a.Bar_ZoomSize() == b.Bar_ZoomSize() && a.Bar_HumanReadable() == b.Bar_HumanReadable() &&
           a.autoSize() == b.autoSize() && a.picture() == b.picture();
}
} // namespace

bool sameState(const ElementSnapshot& a, const ElementSnapshot& b) {
    if (a.number != b.number || a.stackIndex != b.stackIndex) return false;
    if (a.field && b.field) return sameField(*a.field, *b.field);
    if (a.barcode && b.barcode) return sameBarcode(*a.barcode, *b.barcode);
    return false;
}

ElementSnapshot snapshotOf(const MessageTemplate& message, const FieldElement& element) {
    ElementSnapshot s;
    s.number = element.number();
    s.stackIndex = message.stackIndex(element);
    if (element.isBarcode()) s.barcode = std::make_shared<const Barcode>(*element.asBarcode());
    else s.field = std::make_shared<const FieldImage>(*element.asField());
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
