#include "printer/PrintOutput.h"

#include "common/AtomicWrite.h"
#include "printer/MessagePrint.h"

#include <QDir>
#include <QImage>

namespace {
QString save(const QImage& picture, const QString& path) {
    if (picture.isNull()) return QStringLiteral("nothing to write to %1").arg(path);
    if (const QString reason = writePngAtomically(path, picture); !reason.isEmpty())
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

QString PrintOutput::writeMessage(const StoredMessage& message, const QDateTime& now) const {
    const PrintedMessage printed = printMessage(message, now);
    QString line = QStringLiteral("printed ") + save(printed.picture, path("message", message.templateNumber));
    if (!printed.problems.isEmpty()) line += QStringLiteral(" (") + printed.problems.join(QStringLiteral("; ")) + ')';
    return line;
}
