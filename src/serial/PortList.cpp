#include "serial/PortList.h"

#include <QSerialPortInfo>

QStringList availablePortNames() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names << info.systemLocation();
    return names;
}
