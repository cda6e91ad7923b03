#pragma once
// Whether each barcode of a message still scans in the very dots a send packs:
// after the background is scaled to the printer's resolution, each barcode's
// rectangle is cut out, given a white quiet zone and decoded; the decoded text
// must be what the barcode encodes. MSI and POSTNET have no decoder here and
// are "not verifiable" rather than passed or failed.
#include "model/MessageTemplate.h"

#include <QImage>
#include <QList>
#include <QString>

enum class BarcodeVerdict { Readable, Unreadable, NotVerifiable };

struct BarcodeCheck {
    QString element;  // "ControlNo3"
    QString type;     // "EAN_13"
    QString expected; // the symbol's data, as a scanner reports it
    QString decoded;  // what was read; empty when nothing was
    BarcodeVerdict verdict = BarcodeVerdict::NotVerifiable;
};

// scaled: the background as planMessage scaled it for a canvas canvasWidth wide.
QList<BarcodeCheck> verifyBarcodes(const MessageTemplate& message, int canvasWidth, const QImage& scaled);
// The text read from region of a 1-bit picture for a barcode of type (btCodeTypes),
// given a white quiet zone; empty when nothing was read or the type has no decoder.
QString readBarcodeRegion(const QImage& picture, const QRect& region, int type);
// The checks that failed.
QList<BarcodeCheck> unreadableBarcodes(const QList<BarcodeCheck>& checks);
// "ControlNo3 EAN_13 6901234567892: readable" / ": not readable (read ...)" / ": not verifiable".
QString describeCheck(const BarcodeCheck& check);
