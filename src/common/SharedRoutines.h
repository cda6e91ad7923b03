#pragma once
// Small routines shared by several parts of the system.
#include <QString>
#include <QStringList>
#include <optional>

// The characters of text that are "." or "0".."9", in order ("200dpi" -> "200").
QString keepDigits(const QString& text);

// Cuts text at every separator; empty pieces stay ("" -> [""], "a/" -> ["a", ""]).
QStringList splitText(const QString& text, QChar separator);

// Makes the folder of the running executable the working directory.
void changeToExeDir();

// Removes leading and trailing blanks and control characters (code <= 0x20).
QString trimBlanks(const QString& text);

// Whole numbers as the system reads them everywhere: leading blanks allowed,
// an optional sign, decimal digits or hexadecimal after "$", "0x" or "0X";
// nothing may follow. Out-of-range values are not numbers.
std::optional<int> strToInt(const QString& text);
std::optional<qint64> StrToInt64(const QString& text);
int strToIntDef(const QString& text, int fallback);
// The same reading limited to decimal: an optional sign and digits, nothing
// before or after ("$10", " 1" are no decimal numbers).
std::optional<qint64> decimalToInt64(const QString& text);
// A decimal whole number within low..high (options, device numbers), or nothing.
std::optional<int> decimalInRange(const QString& text, int low, int high);
