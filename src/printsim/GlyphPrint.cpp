#include "printsim/GlyphPrint.h"

#include "common/MonoImage.h"
#include "model/FieldRender.h"

namespace {
const QString kSetCharacters = QStringLiteral("0123456789-/:年月日");

void stamp(QImage& picture, const QImage& glyph, int left, int top) {
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (mono::dot(glyph, x, y)) mono::setDot(picture, left + x, top + y, true); // clipped by setDot
}
} // namespace

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
        drawFieldValue(picture, single);
        x += dotWidth(single.text, field.fontDots, field.spacing) - 2;
    }
}
