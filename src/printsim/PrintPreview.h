#pragma once
// What the printer will print for its next prints: the frames of a send are
// fed to a printer whose clock shows a chosen time, and the message they
// complete is printed once per print, the serial number counted on by its
// increment from one print to the next, each print straight into its band of
// one sheet. The bands are the very pictures the virtual printer writes as
// message-N.png.
#include "printsim/StoredMessage.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QStringList>
#include <array>

inline constexpr int kPreviewGapRows = 8; // white rows between stacked prints

struct PreviewPrint {
    // The value printed for each kind (date, expiry, serial number, shift);
    // empty when the kind is absent or left out.
    std::array<QString, kVariableKindCount> values;
    QStringList problems; // fields left out, and why
};

struct PrintPreview {
    // The prints one under another, kPreviewGapRows white rows between them;
    // null when the background cannot be unpacked (each print says so).
    QImage sheet;
    QList<PreviewPrint> prints;
    QString problem; // why nothing can be printed (frames rejected, no message completed)
};

// frames: the bytes a send puts on the line, in order.
PrintPreview previewPrints(const QByteArray& frames, const QDateTime& at, int count);

// The message as it stands after `prints` prints: the serial number's start
// moved on by that many increments, rolling over within its digits.
StoredMessage countedOn(const StoredMessage& message, int prints);

// The picture of print `index` (0-based), cut from the sheet.
QImage printPicture(const PrintPreview& preview, int index);
