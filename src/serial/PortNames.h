#pragma once
// Port names: a device path is used as it is; "COM1" to "COM256" name the
// n-th serial device, /dev/ttyS0 for COM1, so that the stored default
// "COM1" still means the first serial port.

#include <QString>

QString portDevicePath(const QString& name);
