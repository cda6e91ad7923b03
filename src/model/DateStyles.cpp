#include "model/DateStyles.h"

#include "common/NumberText.h"
#include "model/FieldError.h"

#include <array>

namespace {

// Fixed English abbreviations, whatever the locale says.
constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString two(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString four(int n) {
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

QString dateOnly(int style, const QDate& d) {
    switch (style) {
    case 0: return four(d.year()) + two(d.month()) + two(d.day());
    case 1: return four(d.year()) + '-' + two(d.month()) + '-' + two(d.day());
    case 2: return two(d.day()) + '/' + two(d.month()) + '/' + four(d.year());
    case 3:
        return four(d.year()) + QStringLiteral("年") + two(d.month()) + QStringLiteral("月") + two(d.day()) +
               QStringLiteral("日");
    default:
        return QString::number(d.day()) + ' ' + QLatin1String(kMonths[d.month() - 1]) + ' ' + QString::number(d.year());
    }
}

} // namespace

QString formatFieldDate(int style, int days, const QDateTime& now) {
    if (style < 0 || style >= kDateStyleCount) return QString();
    const QDateTime when = now.addDays(days);
    const QDate d = when.date();
    const QTime t = when.time();
    if (style <= 3) return dateOnly(style, d);
    if (style <= 7) return dateOnly(style - 4, d) + ' ' + two(t.hour()) + ':' + two(t.minute());
    if (style == 8) return dateOnly(8, d);
    return dateOnly(8, d) + ' ' + QString::number(t.hour()) + ':' + QString::number(t.minute());
}

QString padLeftZeros(const QString& text, int length) {
    if (text.size() >= length) return text;
    return QString(length - text.size(), QLatin1Char('0')) + text;
}

std::optional<int> tryStyleCodeToIndex(const QString& code) {
    QString compact = code;
    compact.remove(QLatin1Char(' '));
    const auto value = readInt(QLatin1Char('$') + compact);
    if (!value) return std::nullopt;
    return *value - kFirstDateStyleCode;
}

int styleCodeToIndex(const QString& code) {
    const auto index = tryStyleCodeToIndex(code);
    if (!index) {
        QString compact = code;
        compact.remove(QLatin1Char(' '));
        throw notAnInteger(QLatin1Char('$') + compact);
    }
    return *index;
}

std::optional<int> dateStyleIndex(const QString& code) {
    const auto index = tryStyleCodeToIndex(code);
    return index && *index >= 0 && *index < kDateStyleCount ? index : std::nullopt;
}

std::optional<int> dateStyleIndexOfByte(int codeByte) {
    const int index = codeByte - kFirstDateStyleCode;
    return index >= 0 && index < kDateStyleCount ? std::optional<int>(index) : std::nullopt;
}

QString styleIndexToCode(int index) {
    if (index == 9) return QStringLiteral("AA");
    return QLatin1Char('A') + QString::number(index + 1);
}

const QStringList& dateStyleSamples() {
    static const QStringList samples{
        QStringLiteral("20060110"),          QStringLiteral("2006-01-10"),          QStringLiteral("10/01/2006"),
        QStringLiteral("2006年1月10日"),     QStringLiteral("20060110 12:00"),      QStringLiteral("2006-01-10 10:04"),
        QStringLiteral("10/01/2006 12:00"),  QStringLiteral("2006年1月10日 12:00"), QStringLiteral("10 Jan 2006 "),
        QStringLiteral("10 Jan 2006 10:04"),
    };
    return samples;
}

QString dateStyleSample(int index) {
    if (index < 0 || index >= kDateStyleCount) return QString();
    return dateStyleSamples()[index];
}
