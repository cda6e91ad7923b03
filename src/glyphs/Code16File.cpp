#include "glyphs/Code16File.h"

#include "link/GlyphSend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString code16Folder() {
    const QString program = QCoreApplication::applicationDirPath();
    if (QFileInfo(program).isWritable()) return program;
    // One folder for the editor and daviduv-cli alike.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("daviduv"));
}

void writePayloadFile(const QString& path, const QByteArray& payload) {
    QSaveFile file(path);
    const bool written = QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
                         file.write(payload) == payload.size() && file.flush() && file.commit();
    if (!written)
        throw GlyphRefused(QStringLiteral("无法写入文件“%1”：%2")
                               .arg(QDir::toNativeSeparators(path), file.errorString())
                               .toStdString());
}

QString writeCode16(const QByteArray& payload, const QString& folder) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kCode16Name));
    writePayloadFile(path, payload);
    return path;
}
