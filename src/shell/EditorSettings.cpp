#include "shell/EditorSettings.h"

#include "common/RegStore.h"

#include <QDir>
#include <QFileInfo>

std::unique_ptr<QSettings> editorSettings() {
    const QString folder = QFileInfo(RegStore::filePath()).absolutePath();
    QDir().mkpath(folder);
    return std::make_unique<QSettings>(folder + QStringLiteral("/editor.ini"), QSettings::IniFormat);
}
