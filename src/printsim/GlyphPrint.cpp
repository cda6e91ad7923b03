#include "printsim/GlyphPrint.h"

#include "common/MonoImage.h"
#include "model/FieldRender.h"

namespace {
const QString kSetCharacters = QStringLiteral("0123456789-/:年月日");

} // namespace

void drawWithGlyphs(QImage& picture, const FieldPrint& field, const QList<QImage>& glyphs) {
    int x = field.x;
    for (const QChar c : field.text) {
        const qsizetype index = kSetCharacters.indexOf(c);
        if (index >= 0 && index < glyphs.size() && !glyphs[index].isNull()) {
            mono::addDots(picture, QPoint(x, field.y), glyphs[index]); // clipped to the picture
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
