#include "printer/PortAnnouncement.h"

#include "serial/PortList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PortAnnouncement::~PortAnnouncement() {
    if (!link_.isEmpty() && QFileInfo(link_).symLinkTarget() == device_) QFile::remove(link_);
}

bool PortAnnouncement::announce(const QString& name, const QString& device) {
    const QString link = virtualPortLink(name);
    if (link.isEmpty()) {
        error_ = QStringLiteral("--name must be a plain name without '/', not '%1'").arg(name);
        return false;
    }
    const QString folder = virtualPortFolder();
    if (!QDir().mkpath(folder)) {
        error_ = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(link); // a printer of the same name that ended without tidying up
    if (!QFile::link(device, link)) {
        error_ = QStringLiteral("cannot make the link %1").arg(link);
        return false;
    }
    link_ = link;
    device_ = device;
    return true;
}
