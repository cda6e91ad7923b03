#pragma once
// What opening a template may spend on pictures, in bytes: the canvas and the
// picture of every element at one bit a dot, and for every picture file it
// names what reading and scaling that file holds (a JPEG's coefficients and
// decoded rows, the colour copies the scaling makes). One number bounds them
// all, so no file can take the machine's memory, and since every picture read
// is paid for, however briefly it is held, no file can take minutes of work
// either. The budget is spent once while a file opens; a picture loaded
// later (the picture panel) has a whole budget of its own.
#include "common/OperatorError.h"

#include <QSize>
#include <QString>

inline constexpr qint64 kTemplateBudgetBytes = qint64(256) << 20;

// "模板过大：…": opening stops, naming the budget and what went past it.
class TemplateTooLargeError : public OperatorError {
public:
    using OperatorError::OperatorError;
};

class PictureBudget {
public:
    // Bytes a picture of that size holds at one bit a dot.
    static qint64 monoBytes(QSize dots);
    // Bytes a colour copy of that size holds (four a dot).
    static qint64 colourBytes(QSize dots);
    // True when something needing that many bytes could fit a whole budget.
    static bool fitsAlone(qint64 bytes) { return bytes >= 0 && bytes <= kTemplateBudgetBytes; }

    qint64 left() const { return left_; }
    // Takes the bytes from what is left; throws TemplateTooLargeError naming
    // what (the canvas, an element, a picture file) when they do not fit.
    void spend(qint64 bytes, const QString& what);

private:
    qint64 left_ = kTemplateBudgetBytes;
};
