#pragma once
// The serial ports the port dialog offers: the device paths of the serial
// devices found on this machine, in the order found.
#include <QStringList>

QStringList availablePortNames();
