#include "model/FieldRender.h"

#include "common/Gbk.h"
#include "common/MonoImage.h"
#include "model/DateStyles.h"
#include "model/FieldError.h"
#include "model/FontTable.h"

#include "model/Coordinates.h"
#include "model/FieldKind.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

// The text as a GBK byte string would hold it.
QString asGbk(const QString& text) {
    return gbk::decode(gbk::encode(text));
}

void checkBoxSize(const FieldImage& field, qint64 width, qint64 height) {
    if (width > 0xFFFF || height > 0xFFFF || width * height > kMaxBoxDots)
        throw FieldError(QCoreApplication::translate("FieldRender", "%1太大，无法绘制：%2 × %3 点")
                             .arg(fieldCaption(field.UserStyle(), templateFromSurface(field.Left()),
                                               templateFromSurface(field.Top())))
                             .arg(width)
                             .arg(height));
}

void drawFrame(QImage& box) {
    const int w = box.width();
    const int h = box.height();
    for (int x = 0; x < w; ++x) {
        mono::setDot(box, x, 0, true);
        mono::setDot(box, x, h - 1, true);
    }
    for (int y = 0; y < h; ++y) {
        mono::setDot(box, 0, y, true);
        mono::setDot(box, w - 1, y, true);
    }
}

// The framed box with the text drawn at (1, 1), clipped to the interior so
// the frame stays whole.
QImage renderTextBox(int width, int height, const QFont& font, const QString& text, bool drawText) {
    QImage canvas(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    if (drawText && width > 2 && height > 2 && !text.isEmpty()) {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setClipRect(1, 1, width - 2, height - 2);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(1, 1 + QFontMetrics(font).ascent()), text);
    }
    QImage box = mono::fromImage(canvas);
    drawFrame(box);
    return box;
}

void drawVariable(FieldImage& element, const QString& lead, int spacing, int charHeight, qint64 boxHeight,
                  const QString& content, const FieldFont& surfaceFont) {
    const QString text = asGbk(lead + content);
    const int width = dotWidth(text, element.UserFontSize(), spacing);
    checkBoxSize(element, width, boxHeight);
    const QFont font = previewFont(charHeight, spacing);
    element.setPicture(renderTextBox(width, static_cast<int>(boxHeight), font, text, charHeight > 0));
    element.SetUserFont(surfaceFont);
}

} // namespace

QFont previewFont(int pixelHeight, int spacing) {
    QFont font(kPreviewFace);
    if (pixelHeight > 0) font.setPixelSize(pixelHeight);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

QFont qtFontFor(const FieldFont& field, int spacing) {
    QFont font(field.name);
    const int pixels = pointsToDots(field.size);
    if (pixels > 0) font.setPixelSize(pixels);
    font.setBold(field.bold);
    font.setItalic(field.italic);
    font.setUnderline(field.underline);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

int dotWidth(const QString& text, int fontDots, int spacing) {
    const QByteArray bytes = gbk::encode(text);
    const qint64 full = gbk::fullWidthCount(bytes);
    const qint64 half = gbk::halfWidthCount(bytes);
    const qint64 width = full * (qint64(fontDots) + spacing) + half * (qint64(fontDots / 2) + spacing) + 2;
    return static_cast<int>(std::clamp<qint64>(width, 2, 0x7FFFFFFF));
}

QImage framedBox(int width, int height) {
    QImage box = mono::create(width, height);
    drawFrame(box);
    return box;
}

void resetFieldBox(FieldImage& element, int width, int height) {
    checkBoxSize(element, width, height);
    element.setPicture(framedBox(width, height));
}

void drawFieldText(FieldImage& element, const QString& lead, int spacing, int points, const QString& content) {
    drawVariable(element, lead, spacing, pointsToDots(points), textBoxHeight(points), content,
                 FieldFont{kPreviewFace, points, false, false, false});
}

void drawSerialText(FieldImage& element, const QString& lead, int digits, int spacing, int points,
                    const QString& value) {
    drawFieldText(element, lead, spacing, points, padLeftZeros(value, digits));
}

void drawFieldTextInDots(FieldImage& element, const QString& lead, int spacing, int dots, const QString& content) {
    drawVariable(element, lead, spacing, dots, qint64(dots) + 2, content,
                 FieldFont{kPreviewFace, dotsToPoints(dots), false, false, false});
}

void drawStringField(FieldImage& element, const QString& text, const FieldFont& font, int spacing) {
    const QString shown = asGbk(text);
    const int charHeight = pointsToDots(font.size);
    const int height = textBoxHeight(font.size);
    checkBoxSize(element, 2, height);
    const QFont qfont = qtFontFor(font, spacing);
    const qint64 width = charHeight > 0 ? QFontMetrics(qfont).horizontalAdvance(shown) + 2 : 2;
    checkBoxSize(element, std::max<qint64>(width, 2), height);
    element.setPicture(
        renderTextBox(static_cast<int>(std::max<qint64>(width, 2)), height, qfont, shown, charHeight > 0));
    element.SetUserFont(font);
}
