#pragma once
// Whole numbers written as text, read as the system reads them everywhere
// (Config.ini, .spt files, the command line).
#include <QString>
#include <optional>

// Leading blanks allowed, an optional sign, decimal digits or hexadecimal
// after "$", "0x" or "0X"; nothing may follow. Out-of-range values are not numbers.
std::optional<int> readInt(const QString& text);
std::optional<qint64> readInt64(const QString& text);
int readIntOr(const QString& text, int fallback);
// The same reading limited to decimal: an optional sign and digits, nothing
// before or after ("$10", " 1" are no decimal numbers).
std::optional<qint64> readDecimal64(const QString& text);
// A decimal whole number within low..high (options, device numbers), or nothing.
std::optional<int> decimalInRange(const QString& text, int low, int high);

// The characters of text that are "." or "0".."9", in order ("200dpi" -> "200").
QString keepDigits(const QString& text);
