#pragma once
// Date and expiry texts, serial number padding and the date style codes.
// A date field's UserValue holds its style as two hexadecimal digits, 0xA1 plus
// the style index ("A1" .. "A9", "AA").
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

inline constexpr int kDateStyleCount = 10;

// A clock the date and expiry previews are drawn by (a template holds one).
using FieldClock = std::function<QDateTime()>;

// The text of a style for now + days (whole days; the time of day stays).
// A style outside 0..9 gives an empty text.
QString formatFieldDate(int style, int days, const QDateTime& now);

// "0" put in front until the text has length characters; never cuts.
QString padLeftZeros(const QString& text, int length);

// The code without blanks read as hexadecimal, minus 161 ("A1" 0, "AA" 9).
// A code that is no hexadecimal number throws FieldError
// "'$<code>' is not a valid integer value".
int styleCodeToIndex(const QString& code);
std::optional<int> tryStyleCodeToIndex(const QString& code);
// The one reading of a style code that preview, send and the printer share:
// blanks dropped, then hexadecimal; only 0xA1 .. 0xAA name a style (index 0..9).
// "A 2" is style 1; "AB", "B5", "ZZ" and "" name none.
inline constexpr int kFirstDateStyleCode = 0xA1;
std::optional<int> dateStyleIndex(const QString& code);
// The style a code byte on the line names, 0xA1 .. 0xAA.
std::optional<int> dateStyleIndexOfByte(int codeByte);
// "A1" .. "A9" for 0..8, "AA" for 9 ("A0" for -1, no style chosen).
QString styleIndexToCode(int index);

// The ten sample texts of the style lists ("20060110", "2006-01-10", ...).
const QStringList& dateStyleSamples();
// The sample of a style, empty outside 0..9.
QString dateStyleSample(int index);
