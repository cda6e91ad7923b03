#pragma once
// Port names: a device path is used as it is; "COM1" to "COM256" name the
// n-th serial device, /dev/ttyS0 for COM1, so that the stored default
// "COM1" still means the first serial port. "tcp://HOST:PORT" names a raw
// TCP connection to a serial device server.

#include "common/NetworkPort.h"

#include <QString>
#include <optional>

QString portDevicePath(const QString& name);

struct NetworkAddress {
    QString host;
    quint16 port = 0;
};
// The host and port of a "tcp://HOST:PORT" name (HOST a name, an IPv4
// address or a bracketed IPv6 one); nothing for any other name.
std::optional<NetworkAddress> networkAddress(const QString& name);
