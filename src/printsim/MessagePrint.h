#pragma once
// What the printer puts on the product for a stored message: the background
// unpacked into a 1-bit picture with the values of the variable fields drawn
// in, each at its x and y in the preview face at its font height, with its
// spacing after every character.
#include "printsim/StoredMessage.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <optional>

inline constexpr int kPrintRows = 128;

// Packed columns (16 bytes each, most significant bit the upper row) as a
// W x 128 picture, W = bytes / 16. A null picture for no bytes or a count
// that is no multiple of 16.
QImage unpackColumns(const QByteArray& packed);

// One variable field's value ready to draw.
struct FieldPrint {
    int x = 0;
    int y = 0;
    int fontDots = 0;
    int spacing = 0;
    QString text;
};

// Reads the field bytes of kind 0..3 (date, expiry, serial number, shift);
// dates come from now. None, with the reason in problem, for bytes that do
// not make a value (a wrong length, an unknown style or shift code, expiry
// days not in packed decimal, a font height of 0).
std::optional<FieldPrint> decodeField(int kind, const QByteArray& bytes, const QDateTime& now, QString& problem);

// The dots a value may cover: from (x, y), as wide as the dot-width rule
// gives for its text and font height, fontDots high.
QRect fieldBox(const FieldPrint& field);

// Adds the value's dots to the picture (nothing is erased), clipped to its box.
void drawFieldValue(QImage& picture, const FieldPrint& field);

struct PrintedMessage {
    QImage picture;       // null when the background cannot be unpacked
    QStringList problems; // fields left out, and why
};
class GlyphStore;
// Dates, expiry dates and serial numbers are drawn with the standard glyph set
// of their height when glyphs holds one, else in the built-in font.
PrintedMessage printMessage(const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs = nullptr);
// Draws the message's fields onto a picture holding its unpacked background
// (printMessage without the unpacking); returns the fields left out, and why.
QStringList printFields(QImage& picture, const StoredMessage& message, const QDateTime& now,
                        const GlyphStore* glyphs = nullptr);
