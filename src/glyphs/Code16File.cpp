#include "glyphs/Code16File.h"

#include "common/AtomicWrite.h"
#include "link/GlyphSend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool isSystemFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    for (const char* top : {"/usr", "/bin", "/sbin", "/opt"}) {
        const QString root = QString::fromLatin1(top);
        if (clean == root || clean.startsWith(root + QLatin1Char('/'))) return true;
    }
    return false;
}

QString chooseCode16Folder(const QString& programFolder, bool programFolderWritable, const QString& userDataFolder) {
    return programFolderWritable && !isSystemFolder(programFolder) ? programFolder : userDataFolder;
}

QString code16Folder() {
    const QString program = QCoreApplication::applicationDirPath();
    // One folder for the editor and daviduv-cli alike.
    return chooseCode16Folder(program, QFileInfo(program).isWritable(),
                              QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                  .filePath(QStringLiteral("daviduv")));
}

void writePayloadFile(const QString& path, const QByteArray& payload) {
    const QString folder = QFileInfo(path).absolutePath();
    const QString reason = QDir().mkpath(folder) ? writeFileAtomically(path, payload)
                                                 : QStringLiteral("cannot make the folder %1").arg(folder);
    if (!reason.isEmpty())
        throw GlyphRefused(QCoreApplication::translate("Code16File", "无法写入文件“%1”：%2")
                               .arg(QDir::toNativeSeparators(path), reason)
                               .toStdString());
}

QString writeCode16(const QByteArray& payload, const QString& folder) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kCode16Name));
    writePayloadFile(path, payload);
    return path;
}
