#include "printsim/FrameReader.h"

namespace {
const QByteArray kQuery("\x01\x00\xB3\x00\x02\xB1\x0A", 7);
const QByteArray kStart("\x01\x00", 2);

quint8 xorOf(const QByteArray& bytes) {
    quint8 x = 0;
    for (const char b : bytes) x ^= quint8(b);
    return x;
}
} // namespace

void FrameReader::feed(const QByteArray& bytes) {
    buffer_ += bytes;
}

ReadFrame FrameReader::reject(qsizetype count, const QString& problem) {
    ReadFrame junk;
    junk.bytes = buffer_.left(count);
    junk.problem = problem;
    buffer_.remove(0, count);
    return junk;
}

ReadFrame FrameReader::dropPartial() {
    return reject(buffer_.size(), QStringLiteral("incomplete frame"));
}

QList<ReadFrame> FrameReader::takeFrames() {
    QList<ReadFrame> out;
    while (takeOne(out)) {
    }
    return out;
}

bool FrameReader::takeOne(QList<ReadFrame>& out) {
    if (buffer_.isEmpty()) return false;
    const qsizetype start = buffer_.indexOf(kStart);
    if (start != 0) {
        // Keep a lone 0x01 at the end: its 0x00 may still come.
        const qsizetype junk = start > 0 ? start : (buffer_.endsWith('\x01') ? buffer_.size() - 1 : buffer_.size());
        if (junk == 0) return false;
        out.append(reject(junk, QStringLiteral("no start bytes")));
        return true;
    }
    if (buffer_.startsWith(kQuery)) {
        ReadFrame query;
        query.bytes = buffer_.left(kQuery.size());
        query.valid = true;
        query.command = 0xB3;
        query.payload = kQuery.mid(5, 1);
        buffer_.remove(0, kQuery.size());
        out.append(query);
        return true;
    }
    if (buffer_.size() < 5) return false;
    const int length = (quint8(buffer_[3]) << 8) | quint8(buffer_[4]);
    if (length == 0) {
        out.append(reject(5, QStringLiteral("length 0")));
        return true;
    }
    if (buffer_.size() < 5 + length) return false;
    const QByteArray bytes = buffer_.left(5 + length);
    if (xorOf(bytes.chopped(1)) != quint8(bytes.back())) {
        out.append(reject(bytes.size(), QStringLiteral("bad check byte")));
        return true;
    }
    ReadFrame frame;
    frame.bytes = bytes;
    frame.valid = true;
    frame.command = quint8(bytes[2]);
    frame.payload = bytes.mid(5, length - 1);
    buffer_.remove(0, bytes.size());
    out.append(frame);
    return true;
}
