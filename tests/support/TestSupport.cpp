#include "support/TestSupport.h"

#include "common/FontSetup.h"

#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

void installTestFonts() {
    installFontSubstitutions();
}

QByteArray ScopedStore::contents() const {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray hexBytes(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QString toHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

FullFileSystem::FullFileSystem(const QString& keepName, const QByteArray& keepBytes) {
    const QByteArray where = QFile::encodeName(dir_.path());
    mounted_ = ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") == 0;
    if (!mounted_) return;
    QFile keep(filePath(keepName));
    if (!keep.open(QIODevice::WriteOnly) || keep.write(keepBytes) != keepBytes.size() || !keep.flush()) return;
    keep.close();
    // The filler takes every block that is left.
    const int fd = ::open(QFile::encodeName(filePath("filler")).constData(), O_WRONLY | O_CREAT, 0600);
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), block.size()) > 0) {
    }
    ::close(fd);
    full_ = true;
}

FullFileSystem::~FullFileSystem() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}
