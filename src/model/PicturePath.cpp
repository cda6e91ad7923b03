#include "model/PicturePath.h"

#include <QDir>
#include <QFileInfo>

QString picturePathToRead(const QString& source, const QString& templateFolder) {
    const QFileInfo asWritten(source);
    if (source.trimmed().isEmpty() || asWritten.isAbsolute() || asWritten.exists() || templateFolder.isEmpty())
        return source;
    const QString beside = QDir(templateFolder).filePath(source);
    return QFileInfo::exists(beside) ? beside : source;
}
