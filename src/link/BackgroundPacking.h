#pragma once
// The background of a message: scaled for the resolution and packed in
// columns of 16 bytes for the printer.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// 1-based position in the resolution list of the first entry equal to the
// resolution text with its blanks trimmed; 0 when none matches.
int resolutionNumber(const QStringList& dpiList, const QString& resolution);

// The background's width on the print head for canvas width W:
// send mode 1: resolution number R of the text ("300dpi" gives 300) times W / 200;
// send mode 2: W / 2; any other mode: 0. Fractions are dropped.
// Throws SendRefused when the resolution text holds no whole number in mode 1.
int scaledWidth(int widthMode, const QString& resolution, int width);

// Copies the whole picture into a picture of newWidth columns (same height),
// stretching by repeating columns or squeezing so that a target column holds a
// dot wherever any of its source columns does.
QImage scaleColumns(const QImage& source, int newWidth);

// Columns left to right, each as 16 bytes top to bottom; the most significant
// bit of byte k is row 8k. A set bit is a dot (any pixel that is not white).
QByteArray packColumns(const QImage& picture);

// scaleColumns on packed columns of bytesPerColumn bytes: newWidth columns,
// each a copy of one column or the union of several.
QByteArray scalePackedColumns(const QByteArray& packed, int bytesPerColumn, int newWidth);

// The picture (width x height, 1 bit) that packColumns would pack into packed.
QImage unpackColumns(const QByteArray& packed, int width, int height);
