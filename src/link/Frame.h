#pragma once
// Frames to the printer: 01 00, the command code, the length L (big-endian,
// counting the payload and the check byte), the payload, and a check byte
// that is the exclusive-or of every byte before it. The printer accepts a
// frame by answering with 0xB3 as the third byte of its reply.

#include <QByteArray>
#include <QDateTime>
#include <QList>

enum LinkCommand : quint8 {
    cmdBackgroundChunk = 0xB1,
    cmdSetClock = 0xB2,
    cmdQuery = 0xB3,
    cmdStandardGlyphChunk = 0xB8,
    cmdGlyphRowChunk = 0xB9,
    cmdGlyphColumnChunk = 0xBA,
    cmdEraseFlash = 0xBE,
    cmdDateSettings = 0xC1,
    cmdExpirySettings = 0xC2,
    cmdSerialNoSettings = 0xC3,
    cmdShiftSettings = 0xC4,
    cmdFieldAbsent = 0xC5,
};

inline constexpr int kChunkSize = 3072;        // bulk data travels in pieces of this size
inline constexpr int kMaxChunks = 255;         // the chunk count and number are one byte each
inline constexpr int kMaxPayload = 0xFFFF - 1; // L = payload + 1 must fit in 16 bits
inline constexpr int kFlashSegments = 16;      // flash segments 0 to 15

// Exclusive-or of all bytes.
quint8 checkByte(const QByteArray& bytes);
// The complete frame. A payload longer than kMaxPayload throws std::length_error.
QByteArray buildFrame(quint8 command, const QByteArray& payload);
// The printer query is always these seven bytes: 01 00 B3 00 02 B1 0A (the
// printer expects 0x0A where the check byte would be 0x01).
QByteArray queryFrame();
// At least three bytes, one of them 0xB3, and 0xB3 the third.
bool replyAccepted(const QByteArray& reply);

// Number of chunks for size bytes: a remainder counts as one more; 0 for none.
int chunkCount(qsizetype size);
// One frame per chunk: payload first, second, N, S, chunk S. Data needing
// more than kMaxChunks chunks throws std::length_error.
QList<QByteArray> chunkFrames(quint8 command, quint8 first, quint8 second, const QByteArray& data);

// 0..99 as two decimal digits in the two halves of a byte (59 -> 0x59).
quint8 packedDecimal(int value);
// Set-clock frame for the given local date and time (years 1000 to 9999).
QByteArray clockFrame(const QDateTime& when);
// Erase-flash frame for segment 0..15; anything else throws std::out_of_range.
QByteArray eraseFrame(int segment);
