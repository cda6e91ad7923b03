#pragma once
// The byte stream under a SerialPort while it is open: a serial device, or a
// raw TCP connection to a serial device server (ser2net in raw mode, or a
// hardware device server) that carries the printer's line. The port and the
// transactions above it see the same calls either way.
//
// Every call returns the operating system's error number on failure (0 for
// success), so that SerialPort can raise its own error.

#include "serial/LineIo.h"

#include <QByteArray>
#include <QString>
#include <memory>

class AbortEvent;

class LineStream {
public:
    virtual ~LineStream() = default;
    // Waits until input is waiting, the abort event is set or timeoutMs pass.
    virtual LineWait waitForInput(const AbortEvent* abort, int timeoutMs, int& osError) = 0;
    // Appends every byte received so far, without waiting.
    virtual int takeInput(QByteArray& into) = 0;
    // Writes all of bytes, returning when they have left: for a serial line,
    // when the line has had the time to carry them at baud; after 100 ms per
    // byte plus 1000 ms, what has not gone is dropped. sent: how many went.
    virtual int write(const QByteArray& bytes, int baud, int& sent) = 0;
    // Sets the line speed; a network line leaves that to the device server.
    virtual int applySpeed(int baud) = 0;
};

// Opens the stream a port name names: "tcp://HOST:PORT" connects to a device
// server, anything else opens the serial device (see portDevicePath). Throws
// ComPortError when it cannot.
std::unique_ptr<LineStream> openLineStream(const QString& port, int baud);
