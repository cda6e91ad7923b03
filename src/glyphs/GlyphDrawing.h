#pragma once
// One glyph cell: a white cell of the given size with the text drawn in black
// in the chosen face, regular, its character cell's top-left corner at the
// cell's top-left pixel; whatever falls outside is cut off. The result is 1
// bit per pixel and every pixel that is not pure white is a dot.
#include <QImage>
#include <QString>

// The face a font box names: "岱霖字体1" and "岱霖字体2" (blanks around them
// ignored) stand for the printer faces, any other text is a face itself.
QString glyphFace(const QString& fontBoxText);

// pixelHeight is the font's character height (3/4 of it in points at 96 dots
// per inch). A width or height of 0 gives a null picture.
QImage drawGlyphCell(const QString& text, const QString& face, int width, int height, int pixelHeight);
