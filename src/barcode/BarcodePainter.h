#pragma once
// Puts a laid-out symbol onto a picture: bars as black rectangles and the
// human-readable text in the given face, both turned by the rotation about the
// origin. Works on 1-bit pictures (mono convention) and on colour pictures.
#include "barcode/BarcodeLayout.h"

#include <QImage>
#include <QSize>
#include <QString>

// The size the symbol takes on the canvas: W x H, or H x W when turned by 90 or 270 degrees.
QSize rotatedSize(const BarcodeLayout& layout, int rotation);

void paintLayout(QImage& canvas, int x0, int y0, const BarcodeLayout& layout, int rotation, const QString& fontName);

// Copies source onto rect of target, picking the nearest source pixel.
void stretchOnto(QImage& target, const QRect& rect, const QImage& source);
