#pragma once
// What the printer will print for its next prints: the frames of a send are
// fed to a printer whose clock shows a chosen time, and the message they
// complete is printed once per print, the serial number counted on by its
// increment from one print to the next. The pictures are the very ones the
// virtual printer writes as message-N.png.
#include "printsim/StoredMessage.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QStringList>
#include <array>

inline constexpr int kPreviewGapRows = 8; // white rows between stacked prints

struct PreviewPrint {
    QImage picture;
    // The value printed for each kind (date, expiry, serial number, shift);
    // empty when the kind is absent or left out.
    std::array<QString, kVariableKindCount> values;
    QStringList problems; // fields left out, and why
};

struct PrintPreview {
    QList<PreviewPrint> prints;
    QString problem; // why nothing can be printed (frames rejected, no message completed)
};

// frames: the bytes a send puts on the line, in order.
PrintPreview previewPrints(const QByteArray& frames, const QDateTime& at, int count);

// The message as it stands after `prints` prints: the serial number's start
// moved on by that many increments, rolling over within its digits.
StoredMessage countedOn(const StoredMessage& message, int prints);

// The prints one under another, kPreviewGapRows white rows between them; a
// single print is its own picture.
QImage stackPrints(const QList<PreviewPrint>& prints);
