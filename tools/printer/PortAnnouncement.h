#pragma once
// The symbolic link by which a named virtual printer shows up in the port
// lists of the editor and daviduv-cli: virtualPortFolder()/NAME -> its
// pseudo-terminal. Made by announce(), removed on destruction if it still
// points at this printer's device.
#include <QString>

class PortAnnouncement {
public:
    PortAnnouncement() = default;
    ~PortAnnouncement();
    PortAnnouncement(const PortAnnouncement&) = delete;
    PortAnnouncement& operator=(const PortAnnouncement&) = delete;

    // Replaces only a link of the same name whose printer is gone; refuses a
    // name a running printer holds and a folder preparePortFolder refuses.
    // False with a reason in error().
    bool announce(const QString& name, const QString& device);
    QString linkPath() const { return link_; }
    QString error() const { return error_; }

private:
    QString link_;
    QString device_;
    QString error_;
};
