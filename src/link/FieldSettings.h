#pragma once
// The settings frames of the four variable field kinds. The printer fills in
// the value itself; it is told where, how large and in which style.
#include <QByteArray>
#include <QString>

// Where and how large a field's value is printed.
struct FieldPlace {
    int fontSize; // UserFontSize in dots
    int x;        // of the value, after the lead text
    int y;
    int space; // UserSpace
};

// The code byte of a date style (dateStyleIndex); a code naming no style
// throws SendRefused, so nothing is sent.
unsigned char dateStyleCode(const QString& userValue);
// Width on the print head of a lead text (GBK bytes) in a font of F dots with spacing P.
int leadWidth(const QByteArray& explainGbk, int fontSize, int space);

// Field bytes (without the template and resolution numbers).
QByteArray dateFieldBytes(const FieldPlace& place, const QString& style);
QByteArray periodFieldBytes(const FieldPlace& place, const QString& style, int days);
// Throws SendRefused when the start value is no decimal number.
QByteArray serialFieldBytes(const FieldPlace& place, int digits, const QString& startValue, int increment);
QByteArray shiftFieldBytes(const FieldPlace& place, const QString& letter);

// The payload of a settings frame: template number (low 8 bits), resolution number, field bytes.
QByteArray settingsPayload(int templateNumber, int resolution, const QByteArray& fieldBytes);
