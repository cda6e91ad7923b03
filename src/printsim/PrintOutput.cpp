#include "printsim/PrintOutput.h"

#include "common/AtomicWrite.h"
#include "common/MonoImage.h"
#include "printsim/GlyphStore.h"
#include "printsim/MessagePrint.h"

#include <QDir>
#include <QImage>

namespace {
QString save(const QImage& picture, const QString& path) {
    if (picture.isNull()) return QStringLiteral("nothing to write to %1").arg(path);
    if (const QString reason = writePngAtomically(path, picture, Links::Refuse); !reason.isEmpty())
        return QStringLiteral("cannot write %1: %2").arg(path, reason);
    return path;
}
} // namespace

QString PrintOutput::path(const char* stem, int templateNumber) const {
    return QDir(folder_).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(stem)).arg(templateNumber));
}

QString PrintOutput::writeBackground(const StoredMessage& message) const {
    return QStringLiteral("background ") +
           save(unpackColumns(message.background), path("background", message.templateNumber));
}

QString PrintOutput::writeMessage(const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs) const {
    const PrintedMessage printed = printMessage(message, now, glyphs);
    QString line = QStringLiteral("printed ") + save(printed.picture, path("message", message.templateNumber));
    if (!printed.problems.isEmpty()) line += QStringLiteral(" (") + printed.problems.join(QStringLiteral("; ")) + ')';
    return line;
}

// The sets one under another, a blank row between them.
QString PrintOutput::writeGlyphs(const GlyphStore& glyphs, int height) const {
    QList<QImage> bands;
    int width = 0;
    for (const GlyphSet& set : glyphs.setsOfHeight(height)) {
        bands << glyphSetPicture(set);
        width = std::max(width, int(bands.last().width()));
    }
    QImage sheet = mono::create(width, int(bands.size()) * (height + 1));
    for (int i = 0; i < bands.size(); ++i) mono::addDots(sheet, QPoint(0, i * (height + 1)), bands[i]);
    return QStringLiteral("glyphs ") + save(bands.isEmpty() ? QImage() : sheet, path("glyphs", height));
}
