#include "serial/PortList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString checkFolder(const QString& path, bool create) {
    const QByteArray name = QFile::encodeName(path);
    if (create && ::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return QStringLiteral("cannot make the folder %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return QStringLiteral("%1 does not exist").arg(path);
        return QStringLiteral("%1 is not a real folder: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat info {};
    QString reason;
    if (::fstat(fd, &info) != 0) reason = QStringLiteral("cannot look at %1").arg(path);
    else if (info.st_uid != ::getuid()) reason = QStringLiteral("%1 belongs to another user").arg(path);
    else if (info.st_mode & (S_IWGRP | S_IWOTH)) reason = QStringLiteral("others may write into %1").arg(path);
    else if ((info.st_mode & 0077) && ::fchmod(fd, 0700) != 0) reason = QStringLiteral("cannot restrict %1").arg(path);
    ::close(fd);
    return reason;
}
} // namespace

QString preparePortFolder(const QString& folder, bool create) {
    const QString parent = QFileInfo(folder).absolutePath();
    if (QString reason = checkFolder(parent, create); !reason.isEmpty()) return reason;
    return checkFolder(folder, create);
}

QString virtualPortFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/daviduv/ports");
    return QDir::tempPath() + QStringLiteral("/daviduv-%1/ports").arg(::getuid());
}

QString virtualPortLink(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(u'/')) return {};
    return virtualPortFolder() + u'/' + name;
}

bool virtualPortIsLive(const QString& link) {
    // The link is made after its printer's pseudo-terminal, so a device whose
    // status changed after the link was made is another pseudo-terminal that
    // got the number of a printer that died without removing its link.
    struct stat linkInfo {
    }, deviceInfo{};
    const QByteArray path = QFile::encodeName(link);
    if (::lstat(path.constData(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) return false;
    if (::stat(path.constData(), &deviceInfo) != 0) return false;
    const auto after = [](const timespec& a, const timespec& b) {
        return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
    };
    return !after(deviceInfo.st_ctim, linkInfo.st_mtim);
}

QStringList virtualPortNames(const QString& folder) {
    QStringList ports;
    if (!preparePortFolder(folder, false).isEmpty()) return ports;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (entry.isSymLink() && entry.ownerId() == ::getuid() && virtualPortIsLive(entry.filePath()))
            ports << entry.filePath();
    return ports;
}

QStringList availablePortNames() {
    if (qEnvironmentVariableIsSet("DAVIDUV_PORTS"))
        return qEnvironmentVariable("DAVIDUV_PORTS").split(u',', Qt::SkipEmptyParts);
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) ports << info.systemLocation();
    return ports + virtualPortNames();
}
