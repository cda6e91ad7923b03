#pragma once
// Waiting, reading and writing on an open serial device's descriptor
// (POSIX). Every function returns the operating system's error number on
// failure (0 for success) so that the caller can raise its own error.

#include <QByteArray>

class AbortEvent;

enum class LineWait { Data, Aborted, TimedOut, Failed };

// Waits until fd becomes readable, the abort event is set or timeoutMs pass.
// The abort event wins over data that arrived at the same moment. A hung-up
// line (the other end went away) is Failed with EIO in osError.
LineWait waitForInput(int fd, const AbortEvent* abort, int timeoutMs, int& osError);

// Appends every byte the driver holds for fd to into, without waiting.
int drainInput(int fd, QByteArray& into);

// Writes all of data, waiting for room while the deadline (timeoutMs from the
// call) lasts; written receives how many bytes went out. Returns 0 when all
// went out or the time ran out (written then tells how many), else an error.
int writeWithDeadline(int fd, const QByteArray& data, int timeoutMs, qsizetype& written);
