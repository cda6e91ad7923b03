#include "glyphs/GlyphPayloads.h"

#include "common/NumberText.h"
#include "glyphs/CustomGlyphs.h"
#include "glyphs/StandardGlyphs.h"
#include "link/Frame.h"

#include <QCoreApplication>
#include <QFont>
#include <stdexcept>

namespace {
constexpr int kMaxResolution = 100000; // beyond this a glyph could not be sent anyway
}

std::optional<int> entryResolution(const QString& entry) {
    const std::optional<int> value = readInt(keepDigits(entry));
    if (!value || *value <= 0 || *value > kMaxResolution) return std::nullopt;
    return value;
}

QList<GlyphPayload> standardPayloads(const QList<int>& heightRows, int dpiPosition, const QString& fontBoxText,
                                     const Code16Writer& writeCode16) {
    const QStringList entries = standardDpiEntries();
    if (dpiPosition < 1 || dpiPosition > entries.size()) throw std::out_of_range("no such standard resolution");
    const int resolution = *entryResolution(entries[dpiPosition - 1]);
    QList<GlyphPayload> payloads;
    for (const int row : heightRows) {
        GlyphPayload p{cmdStandardGlyphChunk, quint8(dpiPosition), quint8(standardGlyphHeights().at(size_t(row))),
                       buildStandardGlyphs(row, resolution, fontBoxText)};
        if (row == 0 && writeCode16) writeCode16(p.bytes);
        payloads.append(p);
    }
    return payloads;
}

GlyphPayload customPayload(const CustomGlyphChoice& choice) {
    CustomGlyphRequest request{choice.value, choice.fontBoxText, customGlyphHeight(choice.heightPosition), choice.rows,
                               0};
    if (!choice.rows) {
        if (choice.dpiPosition < 1 || choice.dpiPosition > choice.dpiList.size())
            throw GlyphRefused(QCoreApplication::translate("GlyphPayloads", "请选择分辨率。").toStdString());
        const QString entry = choice.dpiList[choice.dpiPosition - 1];
        const std::optional<int> resolution = entryResolution(entry);
        if (!resolution)
            throw GlyphRefused(
                QCoreApplication::translate("GlyphPayloads", "分辨率“%1”不是有效的数值。").arg(entry).toStdString());
        request.resolution = *resolution;
    }
    return GlyphPayload{quint8(choice.rows ? cmdGlyphRowChunk : cmdGlyphColumnChunk),
                        quint8(choice.rows ? 1 : choice.dpiPosition), quint8(request.height),
                        buildCustomGlyphs(request)};
}

QStringList glyphFontList(const QStringList& hostFamilies) {
    QStringList fonts = hostFamilies;
    fonts.removeAll(QStringLiteral("Dot Matrix"));
    fonts.removeAll(QStringLiteral("Dots All For Now JL"));
    // "宋体" stands in for the installed face it is mapped onto, so it is offered (and chosen) under its own
    // name.
    const QString songTi = QStringLiteral("宋体");
    if (!fonts.contains(songTi) && fonts.contains(QFont::substitute(songTi), Qt::CaseInsensitive)) fonts << songTi;
    return fonts << QStringLiteral("岱霖字体1") << QStringLiteral("岱霖字体2");
}
