#include "shell/EditorSettings.h"

#include <QDir>
#include <QFileInfo>

std::unique_ptr<QSettings> editorSettings(const RegStore& store) {
    const QString folder = QFileInfo(store.filePath()).absolutePath();
    QDir().mkpath(folder);
    return std::make_unique<QSettings>(folder + QStringLiteral("/editor.ini"), QSettings::IniFormat);
}
