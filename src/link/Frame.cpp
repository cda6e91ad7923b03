#include "link/Frame.h"

#include <stdexcept>
#include <string>

quint8 checkByte(const QByteArray& bytes) {
    quint8 x = 0;
    for (const char b : bytes) x ^= quint8(b);
    return x;
}

QByteArray buildFrame(quint8 command, const QByteArray& payload) {
    if (payload.size() > kMaxPayload)
        throw std::length_error("a frame holds at most " + std::to_string(kMaxPayload) + " payload bytes, not " +
                                std::to_string(payload.size()));
    const int length = int(payload.size()) + 1;
    QByteArray frame;
    frame.reserve(payload.size() + 6);
    frame.append(char(0x01)).append(char(0x00)).append(char(command));
    frame.append(char(length >> 8)).append(char(length & 0xFF));
    frame.append(payload);
    frame.append(char(checkByte(frame)));
    return frame;
}

QByteArray queryFrame() {
    return QByteArray("\x01\x00\xB3\x00\x02\xB1\x0A", 7);
}

bool replyAccepted(const QByteArray& reply) {
    return reply.size() >= 3 && quint8(reply[2]) == 0xB3;
}

int chunkCount(qsizetype size) {
    return int((size + kChunkSize - 1) / kChunkSize);
}

QList<QByteArray> chunkFrames(quint8 command, quint8 first, quint8 second, const QByteArray& data) {
    const int n = chunkCount(data.size());
    if (n > kMaxChunks)
        throw std::length_error(std::to_string(data.size()) + " bytes need " + std::to_string(n) +
                                " chunks; a transfer holds at most " + std::to_string(kMaxChunks));
    QList<QByteArray> frames;
    for (int s = 1; s <= n; ++s) {
        QByteArray payload;
        payload.append(char(first)).append(char(second)).append(char(n)).append(char(s));
        payload.append(data.mid(qsizetype(s - 1) * kChunkSize, kChunkSize));
        frames.append(buildFrame(command, payload));
    }
    return frames;
}

quint8 packedDecimal(int value) {
    return quint8(((value / 10 % 10) << 4) | (value % 10));
}

QByteArray clockFrame(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    const int year = d.year();
    if (year < 1000 || year > 9999) throw std::out_of_range("the printer's clock takes four-digit years only");
    QByteArray payload;
    for (const int v : {year / 100, year % 100, d.month(), d.day(), t.hour(), t.minute(), t.second()})
        payload.append(char(packedDecimal(v)));
    return buildFrame(cmdSetClock, payload);
}

QByteArray eraseFrame(int segment) {
    if (segment < 0 || segment >= kFlashSegments)
        throw std::out_of_range("flash segment " + std::to_string(segment) + " does not exist; segments are 0 to 15");
    return buildFrame(cmdEraseFlash, QByteArray(1, char(segment)));
}
