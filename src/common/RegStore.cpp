#include "common/RegStore.h"

#include "common/TextPieces.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>

namespace {

QMutex& pathMutex() {
    static QMutex mutex;
    return mutex;
}

QString& overridePath() {
    static QString path;
    return path;
}

QString groupOf(const QString& keyPath) {
    QString group = keyPath;
    group.replace(QChar('\\'), QChar('/'));
    while (group.startsWith(QChar('/'))) group.remove(0, 1);
    return group;
}

} // namespace

namespace RegStore {

QString filePath() {
    QMutexLocker lock(&pathMutex());
    if (!overridePath().isEmpty()) return overridePath();
    const QString env = qEnvironmentVariable("DAVIDUV_STORE");
    if (!env.isEmpty()) return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tessavo/daviduv.ini");
}

void setFilePath(const QString& path) {
    QMutexLocker lock(&pathMutex());
    overridePath() = path;
}

} // namespace RegStore

QString readRegString(const QString& name, const QString& fallback, const QString& keyPath) {
    // Reading never creates the file or the key.
    QSettings store(RegStore::filePath(), QSettings::IniFormat);
    store.beginGroup(groupOf(keyPath));
    const QString value = store.value(name).toString();
    return trimBlanks(value).isEmpty() ? fallback : value;
}

QString writeRegString(const QString& name, const QString& text, const QString& keyPath) {
    const QString path = RegStore::filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(groupOf(keyPath));
    store.setValue(name, text);
    store.endGroup();
    store.sync();
    if (store.status() == QSettings::NoError) return {};
    return QStringLiteral("cannot write %1").arg(path);
}
