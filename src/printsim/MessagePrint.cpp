#include "printsim/MessagePrint.h"

#include "common/MonoImage.h"
#include "model/DateStyles.h"
#include "model/FieldRender.h"
#include "printsim/BackgroundAssembler.h"
#include "printsim/ColumnBits.h"
#include "printsim/GlyphPrint.h"
#include "printsim/GlyphStore.h"
#include "printsim/PrinterState.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kFieldBytes[kVariableKindCount] = {7, 9, 15, 7};
constexpr const char* kKindNames[kVariableKindCount] = {"date", "expiry", "serial number", "shift"};
constexpr int kShiftLetters = 8;
constexpr int kShiftKind = 3; // the only kind the printer never draws with glyphs

quint8 at(const QByteArray& bytes, int i) {
    return quint8(bytes[i]);
}

std::optional<QString> dateText(quint8 styleCode, int days, const QDateTime& now, QString& problem) {
    const auto style = dateStyleIndexOfByte(styleCode);
    if (!style) {
        problem = QStringLiteral("unknown date style code %1")
                      .arg(QStringLiteral("%1").arg(styleCode, 2, 16, QLatin1Char('0')).toUpper());
        return std::nullopt;
    }
    return formatFieldDate(*style, days, now);
}

std::optional<int> packedDays(quint8 high, quint8 low, QString& problem) {
    const auto h = unpackDecimal(high), l = unpackDecimal(low);
    if (!h || !l) {
        problem = QStringLiteral("expiry days not in packed decimal");
        return std::nullopt;
    }
    return *h * 100 + *l;
}

QString serialText(const QByteArray& b) {
    quint64 start = 0;
    for (int i = 7; i <= 12; ++i) start = (start << 8) | at(b, i);
    return padLeftZeros(QString::number(start), at(b, 6));
}

std::optional<QString> valueText(int kind, const QByteArray& b, const QDateTime& now, QString& problem) {
    switch (kind) {
    case 0: return dateText(at(b, 6), 0, now, problem);
    case 1: {
        const auto days = packedDays(at(b, 7), at(b, 8), problem);
        if (!days) return std::nullopt;
        return dateText(at(b, 6), *days, now, problem);
    }
    case 2: return serialText(b);
    default:
        if (at(b, 6) < 1 || at(b, 6) > kShiftLetters) {
            problem = QStringLiteral("unknown shift code %1").arg(at(b, 6));
            return std::nullopt;
        }
        return QString(QChar(u'A' + at(b, 6) - 1));
    }
}

} // namespace

QImage unpackColumns(const QByteArray& packed) {
    if (packed.isEmpty() || packed.size() % kColumnBytes != 0) return QImage();
    return pictureOfColumns(reinterpret_cast<const uchar*>(packed.constData()), int(packed.size() / kColumnBytes),
                            kPrintRows);
}

std::optional<FieldPrint> decodeField(int kind, const QByteArray& b, const QDateTime& now, QString& problem) {
    if (kind < 0 || kind >= kVariableKindCount || b.size() != kFieldBytes[kind]) {
        problem = QStringLiteral("field bytes of the wrong length");
        return std::nullopt;
    }
    const FieldPrint place{(at(b, 2) << 8) | at(b, 3), at(b, 4), at(b, 1), at(b, 5), {}};
    if (place.fontDots == 0) {
        problem = QStringLiteral("font height 0");
        return std::nullopt;
    }
    const std::optional<QString> text = valueText(kind, b, now, problem);
    if (!text) return std::nullopt;
    FieldPrint field = place;
    field.text = *text;
    return field;
}

QRect fieldBox(const FieldPrint& f) {
    return QRect(f.x, f.y, dotWidth(f.text, f.fontDots, f.spacing) - 2, f.fontDots);
}

void drawFieldValue(QImage& picture, const FieldPrint& field) {
    const QRect box = fieldBox(field).intersected(picture.rect());
    if (box.isEmpty() || field.text.isEmpty()) return;
    QImage canvas(box.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        const QFont font = previewFont(field.fontDots, field.spacing);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        // The box may start left of or above the picture; the text keeps its place.
        painter.drawText(QPoint(field.x - box.x(), field.y - box.y() + QFontMetrics(font).ascent()), field.text);
    }
    mono::addDots(picture, box.topLeft(), mono::fromImage(canvas));
}

PrintedMessage printMessage(const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs) {
    PrintedMessage printed{unpackColumns(message.background), {}};
    if (printed.picture.isNull())
        printed.problems << QStringLiteral("background of %1 bytes cannot be unpacked").arg(message.background.size());
    else printed.problems = printFields(printed.picture, message, now, glyphs);
    return printed;
}

QStringList printFields(QImage& picture, const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs) {
    QStringList problems;
    for (int kind = 0; kind < kVariableKindCount; ++kind) {
        if (!message.fields[size_t(kind)]) continue;
        QString problem;
        const auto field = decodeField(kind, *message.fields[size_t(kind)], now, problem);
        if (!field) {
            problems << QString::fromLatin1(kKindNames[kind]) + QStringLiteral(" left out: ") + problem;
            continue;
        }
        const GlyphSet* set =
            glyphs && kind != kShiftKind ? glyphs->standardSet(field->fontDots, message.resolution) : nullptr;
        if (set) drawWithGlyphs(picture, *field, standardGlyphs(*set));
        else drawFieldValue(picture, *field);
    }
    return problems;
}
