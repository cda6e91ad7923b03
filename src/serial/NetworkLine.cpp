#include "serial/NetworkLine.h"

#include "serial/ComPortError.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
// Why a connection could not be made, as the operator reads it.
QString connectReason(const QTcpSocket& socket) {
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError: return QString::fromLocal8Bit(std::strerror(ECONNREFUSED));
    case QAbstractSocket::HostNotFoundError: return QStringLiteral("host not found");
    case QAbstractSocket::SocketTimeoutError: return QString::fromLocal8Bit(std::strerror(ETIMEDOUT));
    default: return socket.errorString();
    }
}

int connectErrno(const QTcpSocket& socket) {
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError: return ECONNREFUSED;
    case QAbstractSocket::SocketTimeoutError: return ETIMEDOUT;
    case QAbstractSocket::NetworkError: return ENETUNREACH;
    default: return 0; // a name that does not resolve has no system error number
    }
}
} // namespace

NetworkLine::NetworkLine(const QString& address, const QString& host, quint16 port)
    : socket_(std::make_unique<QTcpSocket>()) {
    socket_->connectToHost(host, port);
    if (!socket_->waitForConnected(kConnectMs)) {
        // A connection still under way when the time ran out reports no error of its own.
        if (socket_->error() == QAbstractSocket::UnknownSocketError)
            throw ComPortError(CE_OpenFailed, ETIMEDOUT,
                               address + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(ETIMEDOUT)));
        throw ComPortError(CE_OpenFailed, connectErrno(*socket_),
                           address + QStringLiteral(": ") + connectReason(*socket_));
    }
    // Frames are small and each waits for its answer: no delay for coalescing.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

NetworkLine::~NetworkLine() {
    socket_->abort(); // unread input is dropped with the connection
}

int NetworkLine::closedError() const {
    return socket_->error() == QAbstractSocket::RemoteHostClosedError ? ECONNRESET : EIO;
}

LineWait NetworkLine::waitForInput(const AbortEvent* abort, int timeoutMs, int& osError) {
    osError = 0;
    if (socket_->bytesAvailable() > 0) return LineWait::Data;
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        osError = closedError();
        return LineWait::Failed;
    }
    const LineWait result = ::waitForInput(int(socket_->socketDescriptor()), abort, timeoutMs, osError);
    // A closed connection reads as readable (end of file); the read that
    // follows finds out. A connection reset outright reports a hang-up.
    if (result == LineWait::Failed && osError == EIO) osError = ECONNRESET;
    return result;
}

int NetworkLine::takeInput(QByteArray& into) {
    // Qt reads from the socket (and learns of a closed connection) itself, so
    // that what a window's event loop read for it meanwhile stays in order.
    if (socket_->state() == QAbstractSocket::ConnectedState) socket_->waitForReadyRead(0);
    const QByteArray bytes = socket_->readAll();
    into.append(bytes);
    // The last bytes before a hang-up still count; the next call tells of it.
    return socket_->state() == QAbstractSocket::ConnectedState || !bytes.isEmpty() ? 0 : closedError();
}

int NetworkLine::write(const QByteArray& bytes, int, int& sent) {
    sent = 0;
    if (socket_->state() != QAbstractSocket::ConnectedState) return closedError();
    const QDeadlineTimer deadline(std::min<qsizetype>(bytes.size() * 100 + 1000, 1 << 30));
    if (socket_->write(bytes) != bytes.size()) return closedError();
    while (socket_->bytesToWrite() > 0 && !deadline.hasExpired())
        if (!socket_->waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())))) break;
    if (socket_->state() != QAbstractSocket::ConnectedState) return closedError();
    sent = int(bytes.size() - socket_->bytesToWrite());
    return 0;
}
