#include "serial/SerialLine.h"

#include "serial/ComPortError.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <algorithm>
#include <cerrno>
#include <mutex>
#include <set>
#include <sys/stat.h>

namespace {
// Devices held open by a SerialLine of this process. The lock file of Qt
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
    if (error == QSerialPort::PermissionError) return savedErrno == EACCES || savedErrno == EPERM ? savedErrno : EBUSY;
    return savedErrno != 0 ? savedErrno : EIO;
}
} // namespace

SerialLine::SerialLine(const QString& device, int baud) {
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
        configureLine(baud);
    } catch (...) {
        serial_.reset();
        releaseDevice(lockedPath_);
        throw;
    }
}

SerialLine::~SerialLine() {
    // Unread input is dropped; frames already written stay on their way.
    serial_->clear(QSerialPort::Input);
    serial_->close();
    serial_.reset();
    releaseDevice(lockedPath_);
}

void SerialLine::configureLine(int baud) {
    errno = 0;
    if (!serial_->setDataBits(QSerialPort::Data8) || !serial_->setParity(QSerialPort::NoParity) ||
        !serial_->setStopBits(QSerialPort::OneStop) || !serial_->setFlowControl(QSerialPort::NoFlowControl))
        throw ComPortError(CE_SetStateFailed, errno ? errno : EINVAL);
    if (const int error = applySpeed(baud)) throw ComPortError(CE_SetStateFailed, error);
    // A pseudo-terminal has no modem lines and refuses to set them; the line
    // works all the same, so a refusal here is not an error.
    serial_->setDataTerminalReady(false);
    serial_->setRequestToSend(false);
    serial_->clearError();
    // A device keeps what arrived while nobody held it open; a fresh
    // transaction starts with empty queues.
    if (!serial_->clear(QSerialPort::AllDirections)) throw ComPortError(CE_PurgeFailed, errno ? errno : EIO);
}

int SerialLine::applySpeed(int baud) {
    errno = 0;
    return serial_->setBaudRate(baud) ? 0 : (errno ? errno : EINVAL);
}

int SerialLine::handle() const {
    return int(serial_->handle());
}

LineWait SerialLine::waitForInput(const AbortEvent* abort, int timeoutMs, int& osError) {
    return ::waitForInput(handle(), abort, timeoutMs, osError);
}

int SerialLine::takeInput(QByteArray& into) {
    // Bytes Qt may have read for us while an event loop ran come first.
    if (serial_->bytesAvailable() > 0) into.append(serial_->readAll());
    return drainInput(handle(), into);
}

int SerialLine::write(const QByteArray& bytes, int baud, int& sent) {
    sent = 0;
    const QDeadlineTimer started = QDeadlineTimer::current();
    const QDeadlineTimer deadline(std::min<qsizetype>(bytes.size() * 100 + 1000, 1 << 30));
    qsizetype written = 0;
    if (const int error = writeWithDeadline(handle(), bytes, deadline, written)) return error;
    // Each byte is a start bit, 8 data bits and a stop bit on the line.
    const QDeadlineTimer lineFree = QDeadlineTimer::addNSecs(started, written * 10 * 1000000000LL / std::max(1, baud));
    int unsent = 0;
    if (const int error = waitUntilSent(handle(), lineFree, deadline, unsent)) return error;
    sent = int(written - unsent);
    return 0;
}
