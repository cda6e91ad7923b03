#include "DotReference.h"

#include "common/MonoImage.h"
#include "model/FieldRender.h"
#include "printsim/FrameReader.h"
#include "printsim/PrinterState.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>

namespace dotref {
namespace {

constexpr int kShiftKind = 3;
const QString kSetCharacters = QStringLiteral("0123456789-/:年月日");

bool packedBit(const QByteArray& bytes, qsizetype at, int bit) {
    return quint8(bytes[at]) & (0x80 >> bit);
}

// Column form: H/8 bytes a column, bit 7 of a byte its upper row.
QImage columnsPicture(const QByteArray& bytes, int offset, int width, int height) {
    QImage picture = mono::create(width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (packedBit(bytes, offset + x * (height / 8) + y / 8, y % 8)) mono::setDot(picture, x, y, true);
    return picture;
}

// Every dot of the source where it lands on the target; nothing is erased.
void stamp(QImage& target, const QImage& source, int left, int top) {
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (mono::dot(source, x, y)) mono::setDot(target, left + x, top + y, true);
}

// The value in the preview face, a dot wherever a drawn pixel is darker than
// mid grey, clipped to the field's box.
void drawValue(QImage& picture, const FieldPrint& field) {
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
        painter.drawText(QPoint(field.x - box.x(), field.y - box.y() + QFontMetrics(font).ascent()), field.text);
    }
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            if (qGray(canvas.pixel(x, y)) < 128) mono::setDot(picture, box.x() + x, box.y() + y, true);
}

void drawWithGlyphs(QImage& picture, const FieldPrint& field, const QList<QImage>& glyphs) {
    int x = field.x;
    for (const QChar c : field.text) {
        const qsizetype index = kSetCharacters.indexOf(c);
        if (index >= 0 && index < glyphs.size() && !glyphs[index].isNull()) {
            stamp(picture, glyphs[index], x, field.y);
            x += glyphs[index].width() + field.spacing;
            continue;
        }
        FieldPrint single = field;
        single.x = x;
        single.text = QString(c);
        drawValue(picture, single);
        x += dotWidth(single.text, field.fontDots, field.spacing) - 2;
    }
}

} // namespace

QImage unpackColumns(const QByteArray& packed) {
    if (packed.isEmpty() || packed.size() % 16 != 0) return QImage();
    return columnsPicture(packed, 0, int(packed.size() / 16), kPrintRows);
}

QList<QImage> standardGlyphs(const GlyphSet& set) {
    QList<QImage> glyphs;
    if (standardSetSize(set.height, set.resolution) != set.bytes.size()) return glyphs;
    int offset = 0;
    for (int i = 0; i < 16; ++i) {
        // 13 cells half the height wide, 3 the height, scaled from 200 dots per inch
        const int width = (i < 13 ? set.height / 2 : set.height) * set.resolution * 100 / 200;
        glyphs << (width > 0 ? columnsPicture(set.bytes, offset, width, set.height) : QImage());
        offset += width * set.height / 8;
    }
    return glyphs;
}

QImage glyphSetPicture(const GlyphSet& set) {
    if (set.command == 0xB9) { // row form: one item as wide as its rows
        const int rowBytes = int(set.bytes.size()) / set.height;
        QImage picture = mono::create(rowBytes * 8, set.height);
        for (int y = 0; y < set.height; ++y)
            for (int x = 0; x < rowBytes * 8; ++x)
                if (packedBit(set.bytes, y * rowBytes + x / 8, x % 8)) mono::setDot(picture, x, y, true);
        return picture;
    }
    if (set.command != 0xB8) return columnsPicture(set.bytes, 0, int(set.bytes.size()) / (set.height / 8), set.height);
    const QList<QImage> glyphs = dotref::standardGlyphs(set);
    int width = 0;
    for (const QImage& g : glyphs) width += g.isNull() ? 1 : g.width() + 1;
    QImage picture = mono::create(width, set.height);
    int x = 0;
    for (const QImage& g : glyphs) {
        if (!g.isNull()) stamp(picture, g, x, 0);
        x += g.isNull() ? 1 : g.width() + 1;
    }
    return picture;
}

PrintedMessage printMessage(const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs) {
    PrintedMessage printed{dotref::unpackColumns(message.background), {}};
    if (printed.picture.isNull()) return printed;
    for (int kind = 0; kind < kVariableKindCount; ++kind) {
        if (!message.fields[size_t(kind)]) continue;
        QString problem;
        const auto field = decodeField(kind, *message.fields[size_t(kind)], now, problem);
        if (!field) continue;
        const GlyphSet* set =
            glyphs && kind != kShiftKind ? glyphs->standardSet(field->fontDots, message.resolution) : nullptr;
        if (set) drawWithGlyphs(printed.picture, *field, dotref::standardGlyphs(*set));
        else drawValue(printed.picture, *field);
    }
    return printed;
}

QList<QImage> previewPrints(const QByteArray& frames, const QDateTime& at, int count) {
    QList<QImage> preview;
    FrameReader reader;
    reader.feed(frames);
    PrinterState printer([at] { return at; });
    for (const ReadFrame& frame : reader.takeFrames()) printer.apply(frame);
    const StoredMessage* message = nullptr;
    for (const PrinterEvent& event : printer.takeEvents())
        if (event.kind == PrinterEvent::MessageReady) message = printer.message(event.templateNumber);
    if (!message) return preview;
    for (int i = 0; i < count; ++i)
        preview << dotref::printMessage(countedOn(*message, i), at, &printer.glyphStore()).picture;
    return preview;
}

QImage stackPrints(const QList<QImage>& prints) {
    int width = 0, height = 0;
    for (const QImage& print : prints) {
        width = std::max(width, int(print.width()));
        height += print.height() + kPreviewGapRows;
    }
    if (prints.isEmpty() || width == 0) return QImage();
    QImage sheet = mono::create(width, height - kPreviewGapRows);
    int top = 0;
    for (const QImage& print : prints) {
        stamp(sheet, print, 0, top);
        top += print.height() + kPreviewGapRows;
    }
    return sheet;
}

bool sameBytes(const QImage& a, const QImage& b) {
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    if (a.size() != b.size() || !mono::isNormalized(a) || !mono::isNormalized(b)) return false;
    const int full = a.width() / 8;
    const auto mask = static_cast<uchar>(0xFF << (8 - a.width() % 8));
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        if (std::memcmp(p, q, full) != 0) return false;
        if (a.width() % 8 && (p[full] & mask) != (q[full] & mask)) return false;
    }
    return true;
}

} // namespace dotref
