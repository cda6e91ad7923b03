#include "serial/SerialPort.h"

#include "serial/LineStream.h"

#include <QDeadlineTimer>
#include <algorithm>

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
    // Whoever listens may be gone already when the port is destroyed.
    listener_ = nullptr;
    close();
}

void SerialPort::setPort(const QString& name) {
    if (name == port_) return;
    port_ = name;
    if (isOpen()) {
        close();
        open();
    }
}

void SerialPort::setBaudRate(int baud) {
    if (baud == baudRate_) return;
    baudRate_ = baud;
    if (isOpen())
        if (const int error = stream_->applySpeed(baudRate_)) throw ComPortError(CE_SetStateFailed, error);
}

void SerialPort::setOpenListener(std::function<void(bool open)> listener) {
    listener_ = std::move(listener);
}

void SerialPort::notify(bool open) {
    open_.store(open);
    if (listener_) listener_(open);
}

void SerialPort::open() {
    if (isOpen()) return;
    stream_ = openLineStream(port_, baudRate_);
    input_.clear();
    notify(true);
}

void SerialPort::close() {
    if (!isOpen()) return;
    stream_.reset();
    input_.clear();
    notify(false);
}

int SerialPort::writeBytes(const QByteArray& bytes) {
    if (!isOpen()) throw ComPortError(CE_WriteFailed, 0);
    if (bytes.isEmpty()) return 0;
    int sent = 0;
    if (const int error = stream_->write(bytes, baudRate_, sent)) throw ComPortError(CE_WriteFailed, error);
    return sent;
}

void SerialPort::pullInput() {
    if (const int error = stream_->takeInput(input_)) throw ComPortError(CE_ReadFailed, error);
}

void SerialPort::waitForEvent(TComEvents& events, const AbortEvent* abort, int timeoutMs) {
    if (events_ != 0) throw ComPortError(CE_ThreadCreated, 0);
    if (!isOpen()) throw ComPortError(CE_WaitFailed, 0);
    const TComEvents armed = events;
    events = 0;
    // Bytes already waiting end the wait at once: a reply that came between
    // the write and this call must not be left lying until the time-out.
    pullInput();
    if (!input_.isEmpty()) {
        if (!(abort && abort->isSet())) events = armed & evRxChar;
        return;
    }
    QDeadlineTimer deadline(std::max(0, timeoutMs));
    for (;;) {
        int error = 0;
        const LineWait result = stream_->waitForInput(abort, int(deadline.remainingTime()), error);
        if (result == LineWait::Failed) throw ComPortError(CE_WaitFailed, error);
        if (result != LineWait::Data) return;
        pullInput();
        if (!input_.isEmpty()) {
            events = armed & evRxChar;
            return;
        }
        // Readable without a byte to read: wait on for the rest of the time.
    }
}

int SerialPort::inputCount() {
    if (!isOpen()) throw ComPortError(CE_ClearComFailed, 0);
    pullInput();
    return int(input_.size());
}

int SerialPort::readBytes(QByteArray& bytes, int count) {
    if (!isOpen()) throw ComPortError(CE_ReadFailed, 0);
    if (count > input_.size()) pullInput();
    const qsizetype n = std::clamp<qsizetype>(count, 0, input_.size());
    bytes = input_.left(n);
    input_.remove(0, n);
    return int(n);
}
