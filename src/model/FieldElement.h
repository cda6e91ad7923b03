#pragma once
// One element of a template: a barcode (Barcode) or a field of any other kind
// (FieldImage), with its number (its name is "ControlNo" + number).
#include "barcode/Barcode.h"
#include "model/FieldImage.h"
#include "model/FieldKind.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>

class FieldElement {
public:
    FieldElement(int number, std::unique_ptr<FieldImage> field);
    FieldElement(int number, std::unique_ptr<Barcode> barcode);

    int Number() const { return number_; }
    QString Name() const;

    // The kind test every consumer makes before touching kind properties.
    bool IsBarcode() const { return barcode_ != nullptr; }
    // csBarCode for a barcode, else the field's UserStyle.
    eStyle Kind() const;
    FieldImage* AsField() { return field_.get(); }
    const FieldImage* AsField() const { return field_.get(); }
    Barcode* AsBarcode() { return barcode_.get(); }
    const Barcode* AsBarcode() const { return barcode_.get(); }

    // Surface position and size, whichever the element is.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    const QImage& Picture() const;

    // Template position: (Left - 21, Top - 21).
    QPoint TemplatePos() const;
    void MoveToTemplatePoint(int x, int y);

private:
    int number_;
    std::unique_ptr<FieldImage> field_;
    std::unique_ptr<Barcode> barcode_;
};

// "ControlNo17" for 17.
QString controlName(int number);
