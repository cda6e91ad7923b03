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

QStringList list() {
    auto settings = editorSettings();
    const QStringList stored = settings->value(kKey).toStringList();
    QStringList present;
    for (const QString& p : stored)
        if (QFileInfo(p).isFile()) present << p;
    if (present != stored) settings->setValue(kKey, present);
    return present;
}

void add(const QString& path) {
    editorSettings()->setValue(kKey, withHead(list(), path));
}

} // namespace RecentFiles
