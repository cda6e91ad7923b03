#include "model/FontTable.h"

#include "common/TextPieces.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<PrinterFontHeight, 6> kHeights{{
    {"16(2mm)", 16, 12, 1},
    {"32(3mm)", 32, 24, 2},
    {"48(6mm)", 48, 36, 3},
    {"64(9mm)", 64, 48, 4},
    {"96(13mm)", 96, 72, 5},
    {"128(17mm)", 128, 96, 6},
}};

struct PrinterFace {
    const char* displayName;
    const char* face;
};

constexpr std::array<PrinterFace, 2> kFaces{{
    {"岱霖字体1", "Dots All For Now JL"},
    {"岱霖字体2", "Dot Matrix"},
}};

const PrinterFontHeight* byLabel(const QString& label) {
    for (const auto& h : kHeights)
        if (label == QString::fromUtf8(h.label)) return &h;
    return nullptr;
}

const PrinterFontHeight* byDots(int dots) {
    for (const auto& h : kHeights)
        if (dots == h.dots) return &h;
    return nullptr;
}

} // namespace

const std::array<PrinterFontHeight, 6>& printerFontHeights() {
    return kHeights;
}

QStringList fontHeightLabels() {
    QStringList labels;
    for (const auto& h : kHeights) labels << QString::fromUtf8(h.label);
    return labels;
}

int labelToDots(const QString& label) {
    const auto* h = byLabel(label);
    return h ? h->dots : kHeights[0].dots;
}

int labelToPoints(const QString& label) {
    const auto* h = byLabel(label);
    return h ? h->points : kHeights[0].points;
}

QString dotsToLabel(int dots) {
    const auto* h = byDots(dots);
    return QString::fromUtf8(h ? h->label : kHeights[0].label);
}

int dotsToSizeCode(int dots) {
    const auto* h = byDots(dots);
    return h ? h->sizeCode : kHeights[0].sizeCode;
}

namespace {
// Rounds halves up and keeps the result where an int and a box size can hold it.
int roundHalfUp(double value) {
    return static_cast<int>(std::clamp(std::floor(value + 0.5), -1.0e9, 1.0e9));
}
} // namespace

int pointsToDots(int points) {
    return roundHalfUp(points * 96.0 / 72.0);
}

int dotsToPoints(int dots) {
    return roundHalfUp(dots * 72.0 / 96.0);
}

int textBoxHeight(int points) {
    return pointsToDots(points) + (points == 24 ? 3 : 2);
}

QStringList printerFaceDisplayNames() {
    QStringList names;
    for (const auto& f : kFaces) names << QString::fromUtf8(f.displayName);
    return names;
}

QString printerFaceForName(const QString& name) {
    const QString trimmed = trimBlanks(name);
    for (const auto& f : kFaces)
        if (trimmed == QString::fromUtf8(f.displayName)) return QString::fromLatin1(f.face);
    return name;
}

QString displayNameForFace(const QString& face) {
    const QString trimmed = trimBlanks(face);
    for (const auto& f : kFaces)
        if (trimmed == QLatin1String(f.face)) return QString::fromUtf8(f.displayName);
    return face;
}
