#include "printsim/GlyphStore.h"

#include "common/MonoImage.h"
#include "printsim/ColumnBits.h"

namespace {
constexpr int kChunk = 3072;
constexpr int kStandard = 0xB8, kRows = 0xB9;
constexpr int kStandardHeights[] = {16, 32, 48, 64, 96, 128};
constexpr int kNarrowCells = 13; // "0".."9", "-", "/", ":"
constexpr int kGlyphCount = 16;

int scaled(int width, int resolution) {
    return width * resolution * 100 / 200;
}

int cellWidth(int index, int height, int resolution) {
    return scaled(index < kNarrowCells ? height / 2 : height, resolution);
}

QImage unpackColumns(const QByteArray& bytes, int offset, int width, int height) {
    return pictureOfColumns(reinterpret_cast<const uchar*>(bytes.constData()) + offset, width, height);
}

QImage unpackRows(const QByteArray& bytes, int height) {
    return pictureOfRows(reinterpret_cast<const uchar*>(bytes.constData()), int(bytes.size()) / height, height);
}
} // namespace

std::optional<int> standardSetSize(int height, int resolution) {
    if (std::find(std::begin(kStandardHeights), std::end(kStandardHeights), height) == std::end(kStandardHeights) ||
        resolution < 1 || resolution > 4)
        return std::nullopt;
    int columns = 0;
    for (int i = 0; i < kGlyphCount; ++i) columns += cellWidth(i, height, resolution);
    return columns * height / 8;
}

QList<QImage> standardGlyphs(const GlyphSet& set) {
    QList<QImage> glyphs;
    if (standardSetSize(set.height, set.resolution) != set.bytes.size()) return glyphs;
    int offset = 0;
    for (int i = 0; i < kGlyphCount; ++i) {
        const int width = cellWidth(i, set.height, set.resolution);
        glyphs << (width > 0 ? unpackColumns(set.bytes, offset, width, set.height) : QImage());
        offset += width * set.height / 8;
    }
    return glyphs;
}

QImage glyphSetPicture(const GlyphSet& set) {
    if (set.command == kRows) return unpackRows(set.bytes, set.height);
    if (set.command != kStandard)
        return unpackColumns(set.bytes, 0, int(set.bytes.size()) / (set.height / 8), set.height);
    const QList<QImage> glyphs = standardGlyphs(set);
    int width = 0;
    for (const QImage& g : glyphs) width += g.isNull() ? 1 : g.width() + 1;
    QImage picture = mono::create(width, set.height);
    int x = 0;
    for (const QImage& g : glyphs) {
        if (g.isNull()) {
            ++x;
            continue;
        }
        mono::addDots(picture, QPoint(x, 0), g);
        x += g.width() + 1;
    }
    return picture;
}

std::optional<QString> GlyphStore::sizeProblem(const GlyphSet& s) const {
    const int size = int(s.bytes.size());
    if (s.command == kStandard) {
        const std::optional<int> expected = standardSetSize(s.height, s.resolution);
        if (!expected)
            return QStringLiteral("no standard glyph height %1 at resolution %2").arg(s.height).arg(s.resolution);
        if (size != *expected) return QStringLiteral("%1 bytes where %2 belong").arg(size).arg(*expected);
        return std::nullopt;
    }
    if (s.height < 8 || s.height > 128 || s.height % 8 != 0)
        return QStringLiteral("custom glyph height %1").arg(s.height);
    if (s.command == kRows && s.resolution != 1)
        return QStringLiteral("row glyphs with resolution %1").arg(s.resolution);
    // Rows: every item is a multiple of 8 columns, H/8 bytes each; columns: H/8 bytes a column.
    const int unit = s.command == kRows ? s.height : s.height / 8;
    if (size % unit != 0) return QStringLiteral("%1 bytes are no whole number of %2-byte units").arg(size).arg(unit);
    return std::nullopt;
}

GlyphStore::Outcome GlyphStore::add(const GlyphChunk& c) {
    QString note = QStringLiteral("glyph chunk %1/%2 of %3 bytes, command %4 resolution %5 height %6")
                       .arg(c.number)
                       .arg(c.count)
                       .arg(c.data.size())
                       .arg(c.command, 2, 16)
                       .arg(c.resolution)
                       .arg(c.height);
    const int k = key(c.command, c.resolution, c.height);
    const bool full = c.number < c.count ? c.data.size() == kChunk : !c.data.isEmpty() && c.data.size() <= kChunk;
    if (c.count < 1 || c.number < 1 || c.number > c.count || !full) {
        runs_.remove(k);
        return {note + QStringLiteral(": protocol error: chunk out of range or of the wrong size"), {}};
    }
    if (c.number == 1) runs_.insert(k, Run{c.count, {}});
    auto run = runs_.find(k);
    if (run == runs_.end() || run->count != c.count) {
        runs_.remove(k);
        return {note + QStringLiteral(": protocol error: chunk does not belong to a set begun with chunk 1"), {}};
    }
    run->chunks.insert(c.number, c.data);
    if (run->chunks.size() < run->count) return {note, {}};
    GlyphSet set{c.command, c.resolution, c.height, {}};
    for (const QByteArray& part : runs_.take(k).chunks) set.bytes += part;
    if (const auto problem = sizeProblem(set))
        return {note + QStringLiteral(": protocol error: glyph set dropped, ") + *problem, {}};
    sets_.insert(k, set);
    order_.removeAll(k);
    order_.append(k);
    return {note + QStringLiteral(", glyph set of %1 bytes complete").arg(set.bytes.size()), set};
}

const GlyphSet* GlyphStore::standardSet(int height, int resolution) const {
    const auto exact = sets_.constFind(key(kStandard, resolution, height));
    if (exact != sets_.constEnd()) return &*exact;
    for (auto k = order_.crbegin(); k != order_.crend(); ++k) {
        const GlyphSet& s = *sets_.constFind(*k);
        if (s.command == kStandard && s.height == height) return &s;
    }
    return nullptr;
}

QList<GlyphSet> GlyphStore::setsOfHeight(int height) const {
    QList<GlyphSet> sets;
    for (const GlyphSet& s : sets_) // ordered by key: 0xB8 first, then 0xB9, 0xBA
        if (s.height == height) sets << s;
    return sets;
}
