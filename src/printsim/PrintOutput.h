#pragma once
// Where the virtual printer shows its work: for template N the background it
// put together as background-N.png and the printed message as message-N.png,
// both 1 bit per dot, in one folder; and for glyph height H every glyph set
// of that height it holds as glyphs-H.png.
#include "printsim/StoredMessage.h"

#include <QDateTime>

class GlyphStore;
#include <QString>

class PrintOutput {
public:
    explicit PrintOutput(const QString& folder) : folder_(folder) {}
    // Each returns the line to log: the path written, or why nothing was.
    QString writeBackground(const StoredMessage& message) const;
    QString writeMessage(const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs = nullptr) const;
    QString writeGlyphs(const GlyphStore& glyphs, int height) const;

private:
    QString path(const char* stem, int templateNumber) const;

    QString folder_;
};
