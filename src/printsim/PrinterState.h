#pragma once
// What the virtual printer has been told: its clock, erased flash segments,
// the backgrounds put together from their chunks (0xB1) and the field
// settings (0xC1 to 0xC5) of each template number, and the glyph chunks
// (0xB8, 0xB9, 0xBA) as they came.

#include "printsim/BackgroundAssembler.h"
#include "printsim/FrameReader.h"
#include "printsim/GlyphStore.h"
#include "printsim/MessageBook.h"

#include <QDateTime>
#include <QList>
#include <functional>
#include <optional>

struct ChunkRecord {
    quint8 command = 0;
    quint8 first = 0;  // the glyph parameter
    quint8 second = 0; // the glyph height
    int count = 0;     // N
    int number = 0;    // S
    QByteArray data;
};

// Something for the printer to act on beyond answering.
struct PrinterEvent {
    enum Kind { BackgroundReady, MessageReady, GlyphsReady };
    Kind kind;
    int templateNumber; // GlyphsReady: the glyph height
};

class PrinterState {
public:
    using HostClock = std::function<QDateTime()>;
    // hostClock gives the computer's time (the current local time when empty).
    explicit PrinterState(HostClock hostClock = {});

    // Records a valid frame and returns a short note for the log.
    QString apply(const ReadFrame& frame);
    // Backgrounds come whole and messages complete, oldest first; emptied by the call.
    QList<PrinterEvent> takeEvents();

    // The clock as last set, and the time it shows now: as set, advanced by
    // the time passed since; the computer's time when it was never set.
    std::optional<QDateTime> clock() const { return clock_; }
    QDateTime now() const;

    QList<int> erasedSegments() const { return erased_; }
    QList<ChunkRecord> glyphChunks() const { return glyphs_; }
    // The glyph sets put together from those chunks.
    const GlyphStore& glyphStore() const { return glyphStore_; }
    const StoredMessage* message(int templateNumber) const { return book_.message(templateNumber); }
    int queries() const { return queries_; }

private:
    QString applyClock(const QByteArray& payload);
    QString applyBackground(const QByteArray& payload);
    QString applySettings(quint8 command, const QByteArray& payload);
    QString applyGlyph(const ReadFrame& frame);
    QDateTime hostNow() const;

    HostClock hostClock_;
    std::optional<QDateTime> clock_;
    QDateTime hostWhenSet_;
    QList<int> erased_;
    BackgroundAssembler assembler_;
    MessageBook book_;
    QList<PrinterEvent> events_;
    QList<ChunkRecord> glyphs_;
    GlyphStore glyphStore_;
    int queries_ = 0;
};

// Packed decimal byte to its value (0x59 -> 59); nothing when a half is not
// a decimal digit.
std::optional<int> unpackDecimal(quint8 byte);
