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

    int number() const { return number_; }
    QString name() const;

    // The kind test every consumer makes before touching kind properties.
    bool isBarcode() const { return barcode_ != nullptr; }
    // csBarCode for a barcode, else the field's UserStyle.
    eStyle kind() const;
    FieldImage* asField() { return field_.get(); }
    const FieldImage* asField() const { return field_.get(); }
    Barcode* asBarcode() { return barcode_.get(); }
    const Barcode* asBarcode() const { return barcode_.get(); }

    // Surface position and size, whichever the element is.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    const QImage& picture() const;

    // Template position: (Left - 21, Top - 21).
    QPoint templatePos() const;
    void moveToTemplatePoint(int x, int y);

private:
    int number_;
    std::unique_ptr<FieldImage> field_;
    std::unique_ptr<Barcode> barcode_;
};

// "ControlNo17" for 17.
QString controlName(int number);
