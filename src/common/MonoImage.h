#pragma once
// 1-bit pictures. Every picture of the system is a QImage::Format_Mono whose
// colour table is stated here once: index 0 is white (no dot), index 1 is
// black (a dot). A dot is a set bit, as the printer expects.
#include <QImage>
#include <QString>

namespace mono {

inline constexpr QRgb kWhite = 0xFFFFFFFFu;
inline constexpr QRgb kBlack = 0xFF000000u;

// A white picture of w x h dots (sizes below 1 are taken as 1).
QImage create(int width, int height);
// Any picture reduced to one bit per dot: a pixel darker than the threshold
// (0..255 grey) becomes a dot; fully transparent pixels stay white.
QImage fromImage(const QImage& source, int threshold = 128);
// Puts the colour table above on a Format_Mono picture.
void applyColorTable(QImage& image);

bool dot(const QImage& image, int x, int y);
// True when the picture already follows the convention above.
bool isNormalized(const QImage& image);
// The picture itself when it already follows the convention above, else its reduction.
QImage normalized(const QImage& image);
// Fast access to a normalized picture's row: bit x set means a dot.
inline bool rowDot(const uchar* line, int x) {
    return (line[x >> 3] & (0x80 >> (x & 7))) != 0;
}
void setDot(QImage& image, int x, int y, bool on);
// Copies the rectangle `from` of source to the target with its top-left corner
// at `to`, white included; what lies outside either picture is left out. Whole
// rows at a time when both pictures follow the convention above.
void copyRect(QImage& target, QPoint to, const QImage& source, const QRect& from);
// Adds the dots of the whole source to the target at `to`: where the source is
// white the target keeps what it had.
void addDots(QImage& target, QPoint to, const QImage& source);

// Picture as text, one line per row, '#' for a dot and '.' for white; and back.
QString toText(const QImage& image);
QImage fromText(const QString& text);

} // namespace mono
