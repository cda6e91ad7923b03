#include "shell/RecentFiles.h"

#include "shell/EditorSettings.h"

#include <QFileInfo>

namespace {
const QString kKey = QStringLiteral("RecentFiles");
}

namespace RecentFiles {

QStringList withHead(const QStringList& list, const QString& path) {
    const QString head = QFileInfo(path).absoluteFilePath();
    QStringList result{head};
    for (const QString& p : list)
        if (p != head && result.size() < kMost) result << p;
    return result;
}

QStringList list(const RegStore& store) {
    auto settings = editorSettings(store);
    const QStringList stored = settings->value(kKey).toStringList();
    QStringList present;
    for (const QString& p : stored)
        if (QFileInfo(p).isFile()) present << p;
    if (present != stored) settings->setValue(kKey, present);
    return present;
}

void add(const RegStore& store, const QString& path) {
    editorSettings(store)->setValue(kKey, withHead(list(store), path));
}

} // namespace RecentFiles
