#pragma once
// The glyph sets the printer holds, put together from their chunks: standard
// sets (0xB8) per height and resolution number, custom sets (0xB9 rows,
// 0xBA columns) per height and resolution number. A whole set is checked
// against the size its kind must have; a wrong size is a protocol error and
// the set is not kept. Each outcome carries a note for the log.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

struct GlyphSet {
    int command = 0;    // 0xB8, 0xB9 or 0xBA
    int resolution = 0; // resolution number of the frames
    int height = 0;     // dots
    QByteArray bytes;
};

struct GlyphChunk {
    int command = 0;
    int resolution = 0;
    int height = 0;
    int count = 0;  // N
    int number = 0; // S
    QByteArray data;
};

// Bytes of a standard set of height H at resolution number n (100 x n dots
// per inch): 13 cells H/2 wide and 3 cells H wide, each scaled by 100n/200,
// H/8 bytes a column. Nothing for a height or number the printer lacks.
std::optional<int> standardSetSize(int height, int resolution);

// The sixteen glyphs of a whole standard set, "0".."9", "-", "/", ":", 年, 月, 日.
QList<QImage> standardGlyphs(const GlyphSet& set);
// A set as a picture: a standard set glyph by glyph with a blank column
// between them; a custom set as one strip. A row-form set does not say where
// one item ends and the next begins, so it is shown as a single item: a set
// of several items of different widths shows sheared.
QImage glyphSetPicture(const GlyphSet& set);

class GlyphStore {
public:
    struct Outcome {
        QString note;
        std::optional<GlyphSet> done; // a set that came whole and fits
    };
    Outcome add(const GlyphChunk& chunk);

    // The standard set of that height for the resolution number, else the
    // one of that height that came last; none when there is no such set.
    const GlyphSet* standardSet(int height, int resolution) const;
    // Every set of that height, standard first.
    QList<GlyphSet> setsOfHeight(int height) const;

private:
    static int key(int command, int resolution, int height) { return (command << 16) | (resolution << 8) | height; }
    std::optional<QString> sizeProblem(const GlyphSet& set) const;

    struct Run {
        int count = 0;
        QMap<int, QByteArray> chunks;
    };
    QMap<int, Run> runs_;
    QMap<int, GlyphSet> sets_;
    QList<int> order_; // keys of the sets, oldest first
};
