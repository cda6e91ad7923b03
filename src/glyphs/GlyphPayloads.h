#pragma once
// The payloads of the glyph commands, ready for sendGlyphPayloads: every
// payload of an operation is built before anything is sent.
#include "link/GlyphSend.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// A resolution entry in dots per inch: its digits read as a whole number
// ("200dpi" gives 200); nothing for an entry without one or for 0.
std::optional<int> entryResolution(const QString& entry);

// Called with the 16-dot standard payload whenever it is built, before
// anything is sent; throws to stop the operation.
using Code16Writer = std::function<void(const QByteArray& payload)>;

// Standard sets (0xB8) for the height rows given (0 = 16 dots .. 5 = 128
// dots), in that order, at the entry dpiPosition (1 to 4) of
// standardDpiEntries(), which is also the resolution number sent.
QList<GlyphPayload> standardPayloads(const QList<int>& heightRows, int dpiPosition, const QString& fontBoxText,
                                     const Code16Writer& writeCode16);

struct CustomGlyphChoice {
    QString value;
    QString fontBoxText;
    int heightPosition = 1; // 1 to 16: 8 to 128 dots
    bool rows = false;      // "横向"
    QStringList dpiList;    // the configured resolution list
    int dpiPosition = 0;    // 1-based position of the chosen entry; 0 for none
};
// Rows: 0xB9 with resolution number 1. Columns: 0xBA with the entry's
// position, stretched by the entry's resolution; no chosen entry, or one
// without a number, is refused with GlyphRefused.
GlyphPayload customPayload(const CustomGlyphChoice& choice);

// The font list of the glyph window: the host's faces without "Dot Matrix"
// and "Dots All For Now JL", with "宋体" when it is mapped onto one of them,
// then "岱霖字体1" and "岱霖字体2".
QStringList glyphFontList(const QStringList& hostFamilies);
