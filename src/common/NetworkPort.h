#pragma once
// A port named "tcp://HOST:PORT" is a raw TCP connection to a serial device
// server (ser2net in raw mode, or a hardware one) that carries the printer's
// line; its speed is the server's business.
#include <QString>

inline bool isNetworkPort(const QString& name) {
    return name.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive);
}
