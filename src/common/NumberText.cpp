#include "common/NumberText.h"

#include <limits>

namespace {

struct WholeNumber {
    qint64 value;
    bool hex;
};

std::optional<WholeNumber> parseWhole(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QChar(' ')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QChar('-') || text[i] == QChar('+'))) negative = text[i++] == QChar('-');
    int base = 10;
    if (i < text.size() && text[i] == QChar('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == QChar('0') &&
               (text[i + 1] == QChar('x') || text[i + 1] == QChar('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    quint64 value = 0;
    // Hexadecimal may fill all 64 bits (two's complement), decimal stays in range.
    const quint64 limit = base == 16 ? std::numeric_limits<quint64>::max()
                                     : static_cast<quint64>(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int d = -1;
        if (c >= u'0' && c <= u'9') d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') d = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') d = c - u'A' + 10;
        if (d < 0) return std::nullopt;
        if (value > (limit - static_cast<quint64>(d)) / static_cast<quint64>(base)) return std::nullopt;
        value = value * static_cast<quint64>(base) + static_cast<quint64>(d);
    }
    // Negated as unsigned, so that the smallest value does not overflow; the
    // conversion back to signed is modular.
    return WholeNumber{static_cast<qint64>(negative ? quint64(0) - value : value), base == 16};
}

} // namespace

std::optional<qint64> readInt64(const QString& text) {
    const auto parsed = parseWhole(text);
    return parsed ? std::optional<qint64>(parsed->value) : std::nullopt;
}

std::optional<int> readInt(const QString& text) {
    const auto parsed = parseWhole(text);
    if (!parsed) return std::nullopt;
    const qint64 wide = parsed->value;
    if (wide >= std::numeric_limits<int>::min() && wide <= std::numeric_limits<int>::max())
        return static_cast<int>(wide);
    // Hexadecimal up to 32 bits wraps like the printer's 32-bit integers ("$FFFFFFFF" is -1).
    if (parsed->hex && wide > 0 && wide <= 0xFFFFFFFFLL) return static_cast<int>(static_cast<quint32>(wide));
    return std::nullopt;
}

std::optional<qint64> readDecimal64(const QString& text) {
    if (text.startsWith(QChar(' '))) return std::nullopt;
    const auto parsed = parseWhole(text);
    return parsed && !parsed->hex ? std::optional<qint64>(parsed->value) : std::nullopt;
}

std::optional<int> decimalInRange(const QString& text, int low, int high) {
    const auto value = readDecimal64(text);
    return value && *value >= low && *value <= high ? std::optional<int>(int(*value)) : std::nullopt;
}

int readIntOr(const QString& text, int fallback) {
    return readInt(text).value_or(fallback);
}

QString keepDigits(const QString& text) {
    QString out;
    for (QChar c : text)
        if (c == QChar('.') || (c >= QChar('0') && c <= QChar('9'))) out += c;
    return out;
}
