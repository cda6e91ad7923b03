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

// $XDG_RUNTIME_DIR/daviduv/ports, or daviduv-<user>/ports in the temporary
// folder when that variable is unset. Not created here.
QString virtualPortFolder();

// The link a virtual printer called name makes; empty when name is not a
// plain file name (empty, ".", "..", or with a slash).
QString virtualPortLink(const QString& name);

// Paths of the links in folder whose target exists, by name.
QStringList virtualPortNames(const QString& folder = virtualPortFolder());

// The environment variable DAVIDUV_PORTS, when set, replaces the whole list
// by its comma-separated entries (the tests set it empty).
QStringList availablePortNames();
