#pragma once
// Appending to a log that several programs write at once: the file is opened
// with O_APPEND and each line goes out in one write() call, so lines of two
// writers never interleave. A log is the one file the programs append to
// rather than replace.
//
// The log is only ever a regular file: a symbolic link at its name is not
// followed, and a FIFO or a device is refused without waiting for a reader.
#include <QByteArray>
#include <QList>
#include <QString>

// Appends line (which should end in '\n') to path, creating the file (mode
// 0644) and its folder when missing. A write the disk cuts short is undone
// (the file truncated back), so no torn line is left for the next one to
// run into. Returns the reason on failure, an empty string on success.
QString appendWholeLine(const QString& path, const QByteArray& line);

// The last count lines of the log at path (without their '\n', empty lines
// skipped), read from the end of the file: only the blocks holding them are
// read, however long the log. count < 0: every line. A missing file has no
// lines; anything else that is no regular file, or unreadable, gives the
// reason in error.
QList<QByteArray> readLastLines(const QString& path, qsizetype count, QString& error);
