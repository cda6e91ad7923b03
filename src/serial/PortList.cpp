#include "serial/PortList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <unistd.h>

QString virtualPortFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/daviduv/ports");
    return QDir::tempPath() + QStringLiteral("/daviduv-%1/ports").arg(::getuid());
}

QString virtualPortLink(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(u'/'))
        return {};
    return virtualPortFolder() + u'/' + name;
}

QStringList virtualPortNames(const QString& folder) {
    QStringList ports;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (entry.isSymLink() && entry.exists()) ports << entry.filePath(); // exists() follows the link
    return ports;
}

QStringList availablePortNames() {
    if (qEnvironmentVariableIsSet("DAVIDUV_PORTS"))
        return qEnvironmentVariable("DAVIDUV_PORTS").split(u',', Qt::SkipEmptyParts);
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) ports << info.systemLocation();
    return ports + virtualPortNames();
}
