#pragma once
// JPEG decoding through libjpeg. Any failure of the decoder throws FieldError
// "JPEG error #<n>", n being libjpeg's message code; a file that cannot be
// opened reads as empty data and fails like a file that is no JPEG
// ("JPEG error #53"). Warnings (a truncated file, say) are ignored: the decoder
// fills what is missing and the picture is returned.
#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

// Pictures above this many pixels are decoded at 1/2, 1/4 or 1/8 of their size;
// above it even at 1/8, decoding fails ("JPEG error #41", image too big).
inline constexpr qint64 kMaxJpegPixels = qint64(1) << 24;

// A header claiming more pixels than this is refused before decoding starts
// ("JPEG error #41"), 8192 x 8192 at most.
inline constexpr qint64 kMaxJpegSourcePixels = qint64(1) << 26;

// A Format_Grayscale8 picture. A path that names no regular file (a FIFO, a
// folder) is not opened and reads as empty data.
QImage readJpegFile(const QString& path);
QImage decodeJpeg(const QByteArray& data);
QImage decodeJpeg(QIODevice& device);
