#pragma once
// Cutting and trimming text as the INI dialect and the panels do.
#include <QString>
#include <QStringList>

// Cuts text at every separator; empty pieces stay ("" -> [""], "a/" -> ["a", ""]).
QStringList splitText(const QString& text, QChar separator);

// Removes leading and trailing blanks and control characters (code <= 0x20).
QString trimBlanks(const QString& text);
