#include "barcode/BarcodeText.h"

#include "common/Gbk.h"
#include "common/MonoImage.h"

#include <QFontMetrics>
#include <QHash>
#include <QMutex>
#include <QPainter>

namespace {

constexpr qsizetype kCachedTexts = 512;

struct FontKey {
    QString face;
    int cellHeight;
    bool operator==(const FontKey&) const = default;
};
size_t qHash(const FontKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.face, k.cellHeight);
}

struct TextKey {
    QByteArray text;
    FontKey font;
    bool operator==(const TextKey&) const = default;
};
size_t qHash(const TextKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.font);
}

} // namespace

QFont textFont(const QString& face, int cellHeight) {
    QFont font(face);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    int size = std::max(cellHeight, 1);
    for (;; --size) {
        font.setPixelSize(size);
        if (size == 1 || QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

QImage renderText(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = std::max(1, metrics.horizontalAdvance(text));
    QImage image(width, std::max(1, metrics.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
    return image;
}

QImage symbolText(const QByteArray& gbkText, const QString& face, int cellHeight) {
    static QMutex lock;
    static QHash<FontKey, QFont> fonts;
    static QHash<TextKey, QImage> texts;
    const FontKey fontKey{face, cellHeight};
    const TextKey textKey{gbkText, fontKey};
    const QMutexLocker locked(&lock);
    if (const auto it = texts.constFind(textKey); it != texts.cend()) return *it;
    auto font = fonts.constFind(fontKey);
    if (font == fonts.cend()) {
        if (fonts.size() >= kCachedTexts) fonts.clear();
        font = fonts.insert(fontKey, textFont(face, cellHeight));
    }
    const QImage drawn = renderText(gbk::decode(gbkText), *font);
    QImage dots = mono::create(drawn.width(), drawn.height());
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x)
            if (line[x] != mono::kWhite) mono::setDot(dots, x, y, true);
    }
    if (texts.size() >= kCachedTexts) texts.clear();
    // The key's text may be borrowed from the caller: the cache keeps its own copy.
    return *texts.insert({QByteArray(gbkText.constData(), gbkText.size()), fontKey}, dots);
}
