#pragma once
// Waiting, reading and writing on an open serial device's descriptor
// (POSIX). Every function returns the operating system's error number on
// failure (0 for success) so that the caller can raise its own error.

#include <QByteArray>
#include <QDeadlineTimer>

class AbortEvent;

enum class LineWait { Data, Aborted, TimedOut, Failed };

// Waits until fd becomes readable, the abort event is set or timeoutMs pass.
// The abort event wins over data that arrived at the same moment. A hung-up
// line (the other end went away) is Failed with EIO in osError.
LineWait waitForInput(int fd, const AbortEvent* abort, int timeoutMs, int& osError);

// Appends every byte the driver holds for fd to into, without waiting.
int drainInput(int fd, QByteArray& into);

// Writes all of data, waiting for room until the deadline; written receives
// how many bytes the driver took. Returns 0 when all were taken or the time
// ran out (written then tells how many), else an error.
int writeWithDeadline(int fd, const QByteArray& data, const QDeadlineTimer& deadline, qsizetype& written);

// Waits until the driver's output queue of fd is empty and lineFree has
// passed (the time the line needs to carry the bytes, which a driver may
// report as sent while they are still in a FIFO or, on a pseudo-terminal, at
// once). At the deadline, the bytes still queued are dropped and their count
// is left in unsent. Returns 0 or an error.
int waitUntilSent(int fd, const QDeadlineTimer& lineFree, const QDeadlineTimer& deadline, int& unsent);
