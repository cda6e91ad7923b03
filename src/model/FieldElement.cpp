#include "model/FieldElement.h"

#include "model/Coordinates.h"

FieldElement::FieldElement(int number, std::unique_ptr<FieldImage> field) : number_(number), field_(std::move(field)) {
    if (!field_) field_ = std::make_unique<FieldImage>();
}

FieldElement::FieldElement(int number, std::unique_ptr<Barcode> barcode)
    : number_(number), barcode_(std::move(barcode)) {
    if (!barcode_) barcode_ = std::make_unique<Barcode>();
}

QString controlName(int number) {
    return QStringLiteral("ControlNo") + QString::number(number);
}

QString FieldElement::name() const {
    return controlName(number_);
}

eStyle FieldElement::kind() const {
    return barcode_ ? csBarCode : field_->UserStyle();
}

int FieldElement::Left() const {
    return barcode_ ? barcode_->Left() : field_->Left();
}

int FieldElement::Top() const {
    return barcode_ ? barcode_->Top() : field_->Top();
}

int FieldElement::Width() const {
    return barcode_ ? barcode_->Width() : field_->Width();
}

int FieldElement::Height() const {
    return barcode_ ? barcode_->Height() : field_->Height();
}

void FieldElement::SetLeft(int left) {
    barcode_ ? barcode_->SetLeft(left) : field_->SetLeft(left);
}

void FieldElement::SetTop(int top) {
    barcode_ ? barcode_->SetTop(top) : field_->SetTop(top);
}

const QImage& FieldElement::picture() const {
    return barcode_ ? barcode_->picture() : field_->picture();
}

QPoint FieldElement::templatePos() const {
    return {templateFromSurface(Left()), templateFromSurface(Top())};
}

void FieldElement::moveToTemplatePoint(int x, int y) {
    SetLeft(surfaceFromTemplate(x));
    SetTop(surfaceFromTemplate(y));
}
