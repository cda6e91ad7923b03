#pragma once
// What the virtual printer has been told: its clock, erased flash segments,
// the background chunks (0xB1), the field settings (0xC1 to 0xC5) and the
// glyph chunks (0xB8, 0xB9, 0xBA). Chunks are kept as they came, so a later
// change can put the background together again and print it.

#include "FrameReader.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <optional>

struct ChunkRecord {
    quint8 command = 0;
    quint8 first = 0;  // template number, or the glyph parameter
    quint8 second = 0; // resolution number, or the glyph height
    int count = 0;     // N
    int number = 0;    // S
    QByteArray data;
};

class PrinterState {
public:
    // Records a valid frame and returns a short note for the log.
    QString apply(const ReadFrame& frame);

    std::optional<QDateTime> clock() const { return clock_; }
    QList<int> erasedSegments() const { return erased_; }
    QList<ChunkRecord> backgroundChunks() const { return background_; }
    QList<ChunkRecord> glyphChunks() const { return glyphs_; }
    // Last settings payload per command 0xC1..0xC5.
    QMap<int, QByteArray> fieldSettings() const { return settings_; }
    int queries() const { return queries_; }

private:
    QString applyClock(const QByteArray& payload);
    QString applyChunk(const ReadFrame& frame, QList<ChunkRecord>& into);

    std::optional<QDateTime> clock_;
    QList<int> erased_;
    QList<ChunkRecord> background_;
    QList<ChunkRecord> glyphs_;
    QMap<int, QByteArray> settings_;
    int queries_ = 0;
};

// Packed decimal byte to its value (0x59 -> 59); nothing when a half is not
// a decimal digit.
std::optional<int> unpackDecimal(quint8 byte);
