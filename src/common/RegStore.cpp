#include "common/RegStore.h"

#include "common/TextPieces.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString groupOf(const QString& keyPath) {
    QString group = keyPath;
    group.replace(QChar('\\'), QChar('/'));
    while (group.startsWith(QChar('/'))) group.remove(0, 1);
    return group;
}

} // namespace

RegStore RegStore::user() {
    const QString env = qEnvironmentVariable("DAVIDUV_STORE");
    if (!env.isEmpty()) return RegStore(env);
    return RegStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Tessavo/daviduv.ini"));
}

QString RegStore::read(const QString& name, const QString& fallback, const QString& keyPath) const {
    // Reading never creates the file or the key.
    QSettings store(path_, QSettings::IniFormat);
    store.beginGroup(groupOf(keyPath));
    const QString value = store.value(name).toString();
    return trimBlanks(value).isEmpty() ? fallback : value;
}

QString RegStore::write(const QString& name, const QString& text, const QString& keyPath) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings store(path_, QSettings::IniFormat);
    store.beginGroup(groupOf(keyPath));
    store.setValue(name, text);
    store.endGroup();
    store.sync();
    if (store.status() == QSettings::NoError) return {};
    return QStringLiteral("cannot write %1").arg(path_);
}
