#include "common/AtomicWrite.h"

#include <QBuffer>
#include <QSaveFile>

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
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

QString writePngAtomically(const QString& path, const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return QStringLiteral("the picture cannot be encoded as PNG");
    return writeFileAtomically(path, png);
}
