#pragma once
// Drawing of the text kinds. Every call redraws the element completely: the
// box is sized, filled white inside a one-dot black frame, and the text is drawn
// in black without anti-aliasing with its top-left corner at (1, 1), followed
// by `spacing` blank dots after every character. Texts are drawn as GBK holds
// them: a character GBK lacks becomes "?" in the picture and in the width.
// Throws FieldError when the box would be unreasonably large.
#include "model/FieldImage.h"

#include <QFont>
#include <QString>

// Largest box drawn, in dots (width x height).
inline constexpr qint64 kMaxBoxDots = 16 * 1024 * 1024;

// Date, expiry and shift: lead + content in "宋体" at the preview size in points.
// The width follows the element's UserFontSize (the dot-width rule).
void drawFieldText(FieldImage& element, const QString& lead, int spacing, int points, const QString& content);
// Serial number: content = padLeftZeros(value, digits), then as drawFieldText.
void drawSerialText(FieldImage& element, const QString& lead, int digits, int spacing, int points,
                    const QString& value);
// As drawFieldText with the character height given in dots: the box is
// dots + 2 high (the preview of an opened file).
void drawFieldTextInDots(FieldImage& element, const QString& lead, int spacing, int dots, const QString& content);
// Text string: the text in its own font; the width is the measured advance with
// the spacing after every character, + 2. The font becomes the element's UserFont.
void drawStringField(FieldImage& element, const QString& text, const FieldFont& font, int spacing);

// The dot-width rule: 2 + per GBK character (fontDots + spacing) when it takes
// two bytes, (fontDots div 2 + spacing) when it takes one. Never below 2.
int dotWidth(const QString& text, int fontDots, int spacing);

// Resizes the element to width x height and fills it white inside its frame.
void resetFieldBox(FieldImage& element, int width, int height);
// A white width x height picture with the one-dot black frame.
QImage framedBox(int width, int height);

// The Qt font that draws a FieldFont (or the preview face at a pixel height):
// pixel size from the points, no anti-aliasing, the given spacing after every
// character.
QFont qtFontFor(const FieldFont& font, int spacing);
QFont previewFont(int pixelHeight, int spacing);
