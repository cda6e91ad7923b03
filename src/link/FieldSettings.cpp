#include "link/FieldSettings.h"

#include "common/Gbk.h"
#include "common/NumberText.h"
#include "link/SendRefused.h"
#include "model/DateStyles.h"
#include "model/FontTable.h"

#include <QCoreApplication>

namespace {

char low8(qint64 v) {
    return static_cast<char>(v & 0xFF);
}

// The value's position travels as two bytes across and one down: a position
// they cannot hold is refused, never wrapped.
QByteArray commonBytes(const FieldPlace& p) {
    if (p.x < 0 || p.x > 0xFFFF || p.y < 0 || p.y > 0xFF)
        throw SendRefused(QCoreApplication::translate("FieldSettings", "字段位置 (%1, %2) 超出打印机可接收的范围")
                              .arg(p.x)
                              .arg(p.y)
                              .toStdString());
    QByteArray b;
    b += low8(dotsToSizeCode(p.fontSize));
    b += low8(p.fontSize);
    b += low8(p.x >> 8);
    b += low8(p.x);
    b += low8(p.y);
    b += low8(p.space);
    return b;
}

} // namespace

unsigned char dateStyleCode(const QString& userValue) {
    const auto index = dateStyleIndex(userValue);
    if (!index)
        throw SendRefused(QCoreApplication::translate("FieldSettings", "日期格式代码 '%1' 无效：应为 A1 至 AA")
                              .arg(userValue)
                              .toStdString());
    return static_cast<unsigned char>(kFirstDateStyleCode + *index);
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
    const auto start = readDecimal64(startValue);
    if (!start) throw SendRefused(QStringLiteral("'%1' is not a valid integer value").arg(startValue).toStdString());
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
