#include "common/AppendLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 kBlock = 64 * 1024; // a log is read backwards in blocks of this size

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opens the log without following a link and without blocking on a FIFO,
// then keeps the descriptor only for a regular file. -1 with the reason.
int openLog(const QString& path, int flags, QString& reason) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        reason = error == ELOOP ? QStringLiteral("%1 is a symbolic link").arg(path)
                                : QStringLiteral("cannot open %1: %2").arg(path, systemReason(error));
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reason = QStringLiteral("%1 is not a regular file").arg(path);
        return -1;
    }
    return fd;
}

bool readAt(int fd, char* into, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, into, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        into += n;
        size -= n;
        offset += n;
    }
    return true;
}
} // namespace

QString appendWholeLine(const QString& path, const QByteArray& line) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QStringLiteral("cannot make the folder %1").arg(folder);
    QString reason;
    const int fd = openLog(path, O_WRONLY | O_APPEND | O_CREAT, reason);
    if (fd < 0) return reason;
    ssize_t written;
    do written = ::write(fd, line.constData(), size_t(line.size()));
    while (written < 0 && errno == EINTR);
    const int writeError = errno;
    if (written > 0 && written < line.size()) {
        // The bytes that went out end where the descriptor's offset now is.
        const off_t end = ::lseek(fd, 0, SEEK_CUR);
        if (end >= written) (void)::ftruncate(fd, end - written);
    }
    const bool closed = ::close(fd) == 0;
    if (written != line.size())
        return written < 0
                   ? QStringLiteral("cannot write %1: %2").arg(path, systemReason(writeError))
                   : QStringLiteral("cannot write %1: only %2 of %3 bytes").arg(path).arg(written).arg(line.size());
    if (!closed) return QStringLiteral("cannot close %1").arg(path);
    return {};
}

QList<QByteArray> readLastLines(const QString& path, qsizetype count, QString& error) {
    error.clear();
    if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path)) return {};
    const int fd = openLog(path, O_RDONLY, error);
    if (fd < 0) return {};
    struct stat info {};
    ::fstat(fd, &info);
    // Blocks are taken from the end until they hold count + 1 line ends (the
    // one before the first wanted line), or the whole file.
    QList<QByteArray> blocks;
    qsizetype lineEnds = 0;
    qint64 from = info.st_size;
    while (from > 0 && (count < 0 || lineEnds <= count)) {
        const qint64 size = count < 0 ? from : std::min(kBlock, from);
        from -= size;
        QByteArray block(size, Qt::Uninitialized);
        if (!readAt(fd, block.data(), size, from)) {
            error = QStringLiteral("cannot read %1").arg(path);
            ::close(fd);
            return {};
        }
        lineEnds += block.count('\n');
        blocks.prepend(std::move(block));
    }
    QByteArray tail;
    for (const QByteArray& block : blocks) tail += block;
    ::close(fd);
    QList<QByteArray> lines = tail.split('\n');
    if (from > 0) lines.removeFirst(); // the end of a line that began before the blocks read
    lines.removeAll(QByteArray());
    if (count >= 0 && lines.size() > count) lines = lines.mid(lines.size() - count);
    return lines;
}
