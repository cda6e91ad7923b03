#include "link/FieldSettings.h"

#include "common/Gbk.h"
#include "link/SendRefused.h"

#include <QRegularExpression>
#include <optional>

namespace {

char low8(qint64 v) {
    return static_cast<char>(v & 0xFF);
}

QByteArray commonBytes(const FieldPlace& p) {
    QByteArray b;
    b += low8(fontSizeCode(p.fontSize));
    b += low8(p.fontSize);
    b += low8(p.x >> 8);
    b += low8(p.x);
    b += low8(p.y);
    b += low8(p.space);
    return b;
}

// A decimal number: an optional sign and digits, nothing else.
std::optional<qint64> decimalValue(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

} // namespace

int fontSizeCode(int fontSize) {
    switch (fontSize) {
    case 16: return 1;
    case 32: return 2;
    case 48: return 3;
    case 64: return 4;
    case 96: return 5;
    case 128: return 6;
    default: return 1;
    }
}

unsigned char dateStyleCode(const QString& userValue) {
    bool ok = false;
    const int code = userValue.toInt(&ok, 16);
    return (ok && userValue.size() == 2 && code >= 0xA1 && code <= 0xAA) ? static_cast<unsigned char>(code) : 0xA1;
}

int leadWidth(const QByteArray& explainGbk, int fontSize, int space) {
    const int pairs = gbk::highPairCount(explainGbk);
    const int singles = static_cast<int>(explainGbk.size()) - 2 * pairs;
    return (fontSize + space) * pairs + (fontSize / 2 + space) * singles;
}

QByteArray dateFieldBytes(const FieldPlace& place, const QString& style) {
    return commonBytes(place) + static_cast<char>(dateStyleCode(style));
}

QByteArray periodFieldBytes(const FieldPlace& place, const QString& style, int days) {
    // Four packed-decimal digits; a longer period keeps its first four digits.
    QString digits = QString::number(std::abs(days));
    digits = digits.size() > 4 ? digits.left(4) : digits.rightJustified(4, QChar('0'));
    const auto nibble = [&](int i) { return digits[i].unicode() - u'0'; };
    QByteArray b = dateFieldBytes(place, style);
    b += static_cast<char>(nibble(0) << 4 | nibble(1));
    b += static_cast<char>(nibble(2) << 4 | nibble(3));
    return b;
}

QByteArray serialFieldBytes(const FieldPlace& place, int digits, const QString& startValue, int increment) {
    const auto start = decimalValue(startValue);
    if (!start)
        throw SendRefused(QStringLiteral("'%1' is not a valid integer value").arg(startValue).toStdString());
    QByteArray b = commonBytes(place);
    b += low8(digits);
    for (int shift = 40; shift >= 0; shift -= 8) b += low8(*start >> shift); // low 48 bits, big-endian
    b += static_cast<char>(increment > 0 ? 1 : 0);
    b += low8(std::abs(static_cast<qint64>(increment)));
    return b;
}

QByteArray shiftFieldBytes(const FieldPlace& place, const QString& letter) {
    int code = 1;
    if (letter.size() == 1 && letter[0] >= QChar('A') && letter[0] <= QChar('H')) code = letter[0].unicode() - u'A' + 1;
    return commonBytes(place) + static_cast<char>(code);
}

QByteArray settingsPayload(int templateNumber, int resolution, const QByteArray& fieldBytes) {
    return QByteArray(1, low8(templateNumber)) + low8(resolution) + fieldBytes;
}
