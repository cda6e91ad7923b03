#pragma once
// The serial ports this computer offers, for the printer search, the
// serial-port dialog and daviduv-cli: the devices Qt SerialPort reports
// (their paths, in its order), then the virtual printers.
//
// A virtual printer (daviduv-printer --name NAME) announces itself with a
// symbolic link virtualPortFolder()/NAME to its pseudo-terminal; a link whose
// device is gone is not listed.
#include <QString>
#include <QStringList>

// $XDG_RUNTIME_DIR/daviduv/ports, or daviduv-<uid>/ports in the temporary
// folder when that variable is unset. Not created here.
QString virtualPortFolder();

// Checks folder and the folder holding it (both made with mode 0700 first
// when create is set): each must be a real folder, not a symbolic link, owned
// by this user and writable by nobody else, or it is refused; access for
// others is then taken away. Empty when the folder may be used, else why not.
// In a shared temporary folder this keeps another user from planting links
// the port lists would offer, or a folder whose files a printer would touch.
QString preparePortFolder(const QString& folder, bool create);

// The link a virtual printer called name makes; empty when name is not a
// plain file name (empty, ".", "..", or with a slash).
QString virtualPortLink(const QString& name);

// Whether the link still leads to the pseudo-terminal it was made for: false
// when the device is gone or is a newer one under the same number.
bool virtualPortIsLive(const QString& link);
// Paths of the live links in folder, by name; none when preparePortFolder
// refuses the folder.
QStringList virtualPortNames(const QString& folder = virtualPortFolder());

// The environment variable DAVIDUV_PORTS, when set, replaces the whole list
// by its comma-separated entries (the tests set it empty).
QStringList availablePortNames();
