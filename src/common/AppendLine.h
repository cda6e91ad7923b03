#pragma once
// Appending to a log that several programs write at once: the file is opened
// with O_APPEND and each line goes out in one write() call, so lines of two
// writers never interleave. A log is the one file the programs append to
// rather than replace.
#include <QByteArray>
#include <QString>

// Appends line (which should end in '\n') to path, creating the file (mode
// 0644) and its folder when missing. Returns the reason on failure, an empty
// string on success.
QString appendWholeLine(const QString& path, const QByteArray& line);
