#pragma once
// Opening a file the programs read that a file name in a template points at.
#include <QFile>
#include <QString>

// Opens path for reading only when it is a regular file, without ever blocking:
// a FIFO, a device or a folder is not opened (false). The check is made on the
// opened descriptor, so the name cannot be swapped between check and use.
bool openRegularFile(QFile& file, const QString& path);
