#include "serial/SerialPort.h"

#include "serial/LineIo.h"
#include "serial/PortNames.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <algorithm>
#include <cerrno>
#include <mutex>
#include <set>
#include <sys/stat.h>

namespace {
// Devices held open by a SerialPort of this process. The lock file of Qt
// SerialPort keeps other programs out; this keeps a second object of the
// same program out even where no lock directory is writable.
std::mutex heldMutex;
std::set<QString> heldDevices;

bool holdDevice(const QString& path) {
    std::lock_guard<std::mutex> lock(heldMutex);
    return heldDevices.insert(path).second;
}

void releaseDevice(const QString& path) {
    std::lock_guard<std::mutex> lock(heldMutex);
    heldDevices.erase(path);
}

int openErrorNumber(QSerialPort::SerialPortError error, int savedErrno) {
    if (error == QSerialPort::DeviceNotFoundError) return ENOENT;
    // Qt reports a device locked by another program as a permission error,
    // leaving errno at whatever its lock-file handling met last.
    if (error == QSerialPort::PermissionError)
        return savedErrno == EACCES || savedErrno == EPERM ? savedErrno : EBUSY;
    return savedErrno != 0 ? savedErrno : EIO;
}
} // namespace

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
    // Whoever listens may be gone already when the port is destroyed.
    listener_ = nullptr;
    Close();
}

void SerialPort::SetPort(const QString& name) {
    if (name == port_) return;
    port_ = name;
    if (Connected()) {
        Close();
        Open();
    }
}

void SerialPort::SetBaudRate(int baud) {
    if (baud == baudRate_) return;
    baudRate_ = baud;
    if (Connected()) applyBaudRate();
}

void SerialPort::SetOpenListener(std::function<void(bool open)> listener) {
    listener_ = std::move(listener);
}

void SerialPort::notify(bool open) {
    open_.store(open);
    if (listener_) listener_(open);
}

void SerialPort::Open() {
    if (Connected()) return;
    const QString device = portDevicePath(port_);
    struct stat info {};
    if (::stat(device.toLocal8Bit().constData(), &info) != 0) throw ComPortError(CE_OpenFailed, errno);
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (!holdDevice(canonical)) throw ComPortError(CE_OpenFailed, EBUSY);

    auto serial = std::make_unique<QSerialPort>();
    serial->setPortName(device);
    errno = 0;
    if (!serial->open(QIODevice::ReadWrite)) {
        const int saved = errno;
        releaseDevice(canonical);
        throw ComPortError(CE_OpenFailed, openErrorNumber(serial->error(), saved));
    }
    serial_ = std::move(serial);
    lockedPath_ = canonical;
    try {
        configureLine();
    } catch (...) {
        serial_.reset();
        releaseDevice(lockedPath_);
        throw;
    }
    input_.clear();
    notify(true);
}

void SerialPort::configureLine() {
    errno = 0;
    if (!serial_->setDataBits(QSerialPort::Data8) || !serial_->setParity(QSerialPort::NoParity) ||
        !serial_->setStopBits(QSerialPort::OneStop) || !serial_->setFlowControl(QSerialPort::NoFlowControl))
        throw ComPortError(CE_SetStateFailed, errno ? errno : EINVAL);
    applyBaudRate();
    // A pseudo-terminal has no modem lines and refuses to set them; the line
    // works all the same, so a refusal here is not an error.
    serial_->setDataTerminalReady(false);
    serial_->setRequestToSend(false);
    serial_->clearError();
    // A device keeps what arrived while nobody held it open; a fresh
    // transaction starts with empty queues.
    if (!serial_->clear(QSerialPort::AllDirections)) throw ComPortError(CE_PurgeFailed, errno ? errno : EIO);
}

void SerialPort::applyBaudRate() {
    errno = 0;
    if (!serial_->setBaudRate(baudRate_)) throw ComPortError(CE_SetStateFailed, errno ? errno : EINVAL);
}

void SerialPort::Close() {
    if (!Connected()) return;
    // Unread input is dropped; frames already written stay on their way.
    if (serial_) {
        serial_->clear(QSerialPort::Input);
        serial_->close();
    }
    serial_.reset();
    releaseDevice(lockedPath_);
    lockedPath_.clear();
    input_.clear();
    notify(false);
}

int SerialPort::handle() const {
    return serial_ ? int(serial_->handle()) : -1;
}

int SerialPort::WriteBytes(const QByteArray& bytes) {
    if (!Connected()) throw ComPortError(CE_WriteFailed, 0);
    if (bytes.isEmpty()) return 0;
    const QDeadlineTimer started = QDeadlineTimer::current();
    const QDeadlineTimer deadline(std::min<qsizetype>(bytes.size() * 100 + 1000, 1 << 30));
    qsizetype written = 0;
    if (const int error = writeWithDeadline(handle(), bytes, deadline, written)) throw ComPortError(CE_WriteFailed, error);
    // Each byte is a start bit, 8 data bits and a stop bit on the line.
    const QDeadlineTimer lineFree =
        QDeadlineTimer::addNSecs(started, written * 10 * 1000000000LL / std::max(1, baudRate_));
    int unsent = 0;
    if (const int error = waitUntilSent(handle(), lineFree, deadline, unsent)) throw ComPortError(CE_WriteFailed, error);
    return int(written - unsent);
}

void SerialPort::pullInput() {
    // Bytes Qt may have read for us while an event loop ran come first.
    if (serial_->bytesAvailable() > 0) input_.append(serial_->readAll());
    if (const int error = drainInput(handle(), input_)) throw ComPortError(CE_ReadFailed, error);
}

void SerialPort::WaitForEvent(TComEvents& events, const AbortEvent* abort, int timeoutMs) {
    if (events_ != 0) throw ComPortError(CE_ThreadCreated, 0);
    if (!Connected()) throw ComPortError(CE_WaitFailed, 0);
    const TComEvents armed = events;
    events = 0;
    // Bytes already waiting end the wait at once: a reply that came between
    // the write and this call must not be left lying until the time-out.
    pullInput();
    if (!input_.isEmpty()) {
        if (!(abort && abort->IsSet())) events = armed & evRxChar;
        return;
    }
    QDeadlineTimer deadline(std::max(0, timeoutMs));
    for (;;) {
        int error = 0;
        const LineWait result = waitForInput(handle(), abort, int(deadline.remainingTime()), error);
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

int SerialPort::InputCount() {
    if (!Connected()) throw ComPortError(CE_ClearComFailed, 0);
    pullInput();
    return int(input_.size());
}

int SerialPort::ReadBytes(QByteArray& bytes, int count) {
    if (!Connected()) throw ComPortError(CE_ReadFailed, 0);
    if (count > input_.size()) pullInput();
    const qsizetype n = std::clamp<qsizetype>(count, 0, input_.size());
    bytes = input_.left(n);
    input_.remove(0, n);
    return int(n);
}
