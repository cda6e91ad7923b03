#include "common/AppendLine.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

QString appendWholeLine(const QString& path, const QByteArray& line) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QStringLiteral("cannot make the folder %1").arg(folder);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    ssize_t written;
    do written = ::write(fd, line.constData(), size_t(line.size()));
    while (written < 0 && errno == EINTR);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (written != line.size())
        return written < 0 ? QStringLiteral("cannot write %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(writeError)))
                           : QStringLiteral("cannot write %1: only %2 of %3 bytes").arg(path).arg(written).arg(line.size());
    if (!closed) return QStringLiteral("cannot close %1").arg(path);
    return {};
}
