#pragma once
// The serial port the printer is attached to. Each transaction opens it,
// exchanges frames and closes it again; it is never kept open in between.
// Line settings are fixed: 8 data bits, no parity, 1 stop bit, no flow
// control, DTR and RTS off. Failures raise ComPortError.
//
// The port's name may also be "tcp://HOST:PORT": a raw TCP connection to a
// serial device server that carries the line (see LineStream).
//
// The underlying stream is created by Open on the calling thread and
// destroyed by Close, so a transaction may run on a worker thread; Open,
// the transfers and Close of one transaction belong on one thread.

#include "serial/AbortEvent.h"
#include "serial/ComPortError.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class LineStream;

// Line events a wait can be armed for: the printer link waits only for a
// received byte.
enum TComEvent : unsigned {
    evRxChar = 0x0001,
};
using TComEvents = unsigned;

class SerialPort {
public:
    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    QString port() const { return port_; }
    // A new name reopens an open port under that name.
    void setPort(const QString& name);
    int baudRate() const { return baudRate_; }
    // Applied to the line at once while open.
    void setBaudRate(int baud);
    // Events a background reader would watch; every transaction empties the
    // set before Open. While it is not empty, WaitForEvent refuses to run.
    TComEvents events() const { return events_; }
    void setEvents(TComEvents events) { events_ = events; }

    bool isOpen() const { return open_.load(); }
    void open();  // nothing if already open
    void close(); // nothing if already closed; unread input is lost

    // Writes every byte and returns when all are out on the line: the
    // driver's queue is empty and the line has had the time to carry them at
    // BaudRate. After 100 ms per byte plus 1000 ms, what has not gone out is
    // dropped and the count that went out is returned.
    int writeBytes(const QByteArray& bytes);
    // Waits for the first received byte (evRxChar), the abort event or the
    // time-out; bytes already waiting end it at once. Afterwards events holds
    // the armed events that occurred (empty after a time-out or an abort).
    void waitForEvent(TComEvents& events, const AbortEvent* abort, int timeoutMs);
    int inputCount();
    // Reads up to count waiting bytes into bytes (resized to the number read).
    int readBytes(QByteArray& bytes, int count);

    // Told true after every Open and false after every Close, on the thread
    // that made the change (the status-bar lamp follows it). Not told when the
    // port object itself is destroyed.
    void setOpenListener(std::function<void(bool open)> listener);

private:
    void pullInput();
    void notify(bool open);

    QString port_ = QStringLiteral("COM1");
    int baudRate_ = 57600;
    TComEvents events_ = 0;
    std::atomic<bool> open_{false};
    std::unique_ptr<LineStream> stream_;
    QByteArray input_; // received bytes not yet read
    std::function<void(bool)> listener_;
};
