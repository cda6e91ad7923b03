#include "common/AtomicWrite.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
// Written beside path and renamed over the name: rename() replaces a link
// itself, never the file it points at.
QString writeWithoutFollowing(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isSymLink()) return QStringLiteral("%1 is a symbolic link").arg(path);
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open()) return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QString::fromLocal8Bit(std::strerror(errno));
        return reason;
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    file.setAutoRemove(false); // it is the target now
    return {};
}
} // namespace

QString writeFileAtomically(const QString& path, const QByteArray& bytes, Links links) {
    if (links == Links::Refuse) return writeWithoutFollowing(path, bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // A short write only fills the save file's buffer; the disk's answer comes
    // with the flush, which must be checked before the rename.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

QString writePngAtomically(const QString& path, const QImage& picture, Links links) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return QStringLiteral("the picture cannot be encoded as PNG");
    return writeFileAtomically(path, png, links);
}
