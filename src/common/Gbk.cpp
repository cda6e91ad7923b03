#include "common/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gbk {

bool available() {
    return QStringEncoder("GBK").isValid() && QStringDecoder("GBK").isValid();
}

QByteArray encode(const QString& text) {
    QStringEncoder whole("GBK");
    QByteArray out = whole(text);
    if (!whole.hasError()) return out;
    // Slow path: convert character by character and replace what GBK lacks.
    out.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder one("GBK");
        const QByteArray bytes = one(QStringView(text).mid(i, len));
        out += (one.hasError() || bytes.isEmpty()) ? QByteArray("?") : bytes;
        i += len;
    }
    return out;
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder(bytes);
}

bool canEncode(const QString& text) {
    QStringEncoder encoder("GBK");
    const QByteArray out = encoder(text);
    return !encoder.hasError();
}

int fullWidthCount(const QByteArray& bytes) {
    int count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x81 && b <= 0xFE && i + 1 < bytes.size()) {
            ++count;
            ++i;
        }
    }
    return count;
}

int halfWidthCount(const QByteArray& bytes) {
    const int full = fullWidthCount(bytes);
    return static_cast<int>(bytes.size()) - 2 * full;
}

int highPairCount(const QByteArray& bytes) {
    int count = 0;
    for (qsizetype i = 0; i + 1 < bytes.size();) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        if (a >= 0xA1 && b >= 0xA1) {
            ++count;
            i += 2;
        } else {
            ++i;
        }
    }
    return count;
}

} // namespace gbk
