#include "printer/PortAnnouncement.h"

#include "serial/PortList.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A symbolic link of this user's at path (lstat: the link itself).
bool ownLink(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
           info.st_uid == ::getuid();
}
} // namespace

PortAnnouncement::~PortAnnouncement() {
    if (!link_.isEmpty() && ownLink(link_) && QFileInfo(link_).symLinkTarget() == device_) QFile::remove(link_);
}

bool PortAnnouncement::announce(const QString& name, const QString& device) {
    const QString link = virtualPortLink(name);
    if (link.isEmpty()) {
        error_ = QStringLiteral("--name must be a plain name without '/', not '%1'").arg(name);
        return false;
    }
    if (const QString reason = preparePortFolder(virtualPortFolder(), true); !reason.isEmpty()) {
        error_ = QStringLiteral("the virtual ports folder is refused: %1").arg(reason);
        return false;
    }
    const QFileInfo existing(link);
    if (existing.isSymLink() || existing.exists()) {
        // Only our own link whose printer is gone (it ended without tidying
        // up) is replaced; a running printer keeps its name.
        if (!ownLink(link)) {
            error_ = QStringLiteral("%1 is in the way and is not a printer's link").arg(link);
            return false;
        }
        if (virtualPortIsLive(link)) {
            error_ =
                QStringLiteral("the name '%1' is taken by a running printer (%2)").arg(name, existing.symLinkTarget());
            return false;
        }
        QFile::remove(link);
    }
    if (!QFile::link(device, link)) {
        error_ = QStringLiteral("cannot make the link %1").arg(link);
        return false;
    }
    link_ = link;
    device_ = device;
    return true;
}
