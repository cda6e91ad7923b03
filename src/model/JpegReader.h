#pragma once
// JPEG decoding through libjpeg. Any failure of the decoder throws FieldError
// "JPEG error #<n>", n being libjpeg's message code; a file that cannot be
// opened reads as empty data and fails like a file that is no JPEG
// ("JPEG error #53"). Warnings (a truncated file, say) are ignored: the decoder
// fills what is missing and the picture is returned.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QIODevice;

// Pictures above this many pixels are decoded at a smaller scale; above it
// even at 1/8, decoding fails ("JPEG error #41", image too big).
inline constexpr qint64 kMaxJpegPixels = qint64(1) << 24;

// Every scan of a picture of several scans visits each of its 8 x 8 blocks: a
// picture needing more visits than this (scans x blocks) fails ("JPEG error #41").
inline constexpr qint64 kMaxJpegBlockVisits = qint64(1) << 25;

// What a decode will hold, known from the header before anything is decoded:
// the size the picture is decoded at and the bytes the decoder keeps for it
// (the coefficients of a picture of several scans, the decoded grey rows).
struct JpegPlan {
    QSize output;
    qint64 bytes = 0;
};
// Sees the plan before decoding starts: false refuses the picture ("JPEG
// error #41"); it may also throw, which ends the decode.
using JpegCheck = std::function<bool(const JpegPlan&)>;

// A Format_Grayscale8 picture. field is the size it will be scaled to: it is
// decoded at the smallest of libjpeg's scales 1/8, 2/8 ... 8/8 at which it is at
// least that large both ways (at 8/8 when no scale is, or when field is
// empty), smaller when that would be above kMaxJpegPixels. A plan holding
// more than kTemplateBudgetBytes is refused ("JPEG error #41").
// A path that names no regular file (a FIFO, a folder) is not opened and
// reads as empty data.
QImage readJpegFile(const QString& path, QSize field = {}, const JpegCheck& check = {});
QImage decodeJpeg(const QByteArray& data, QSize field = {}, const JpegCheck& check = {});
QImage decodeJpeg(QIODevice& device, QSize field = {}, const JpegCheck& check = {});
