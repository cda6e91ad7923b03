#pragma once
// Bytes the printer is sent, turned into 1-bit pictures a row at a time.
//   column form: columns left to right, each column height / 8 bytes top to
//                bottom, bit 7 of a byte its upper row;
//   row form:    rows top to bottom, each row rowBytes bytes left to right,
//                bit 7 of a byte its leftmost dot.
// The pictures follow the convention of common/MonoImage.h.
#include <QImage>

// width x height picture of the column-form bytes at `columns` (width x
// height / 8 bytes; height a multiple of 8).
QImage pictureOfColumns(const uchar* columns, int width, int height);
// (rowBytes x 8) x height picture of the row-form bytes at `rows`.
QImage pictureOfRows(const uchar* rows, int rowBytes, int height);
// The sheet's rows from `top` on become the rows of `print`, white past its
// width; the sheet must be as wide at least.
void copyRows(QImage& sheet, int top, const QImage& print);
