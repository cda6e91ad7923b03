#pragma once
// A raw TCP connection to a serial device server as a LineStream. The line's
// speed and settings are the server's business. The connection is made with
// Qt's blocking calls on the calling thread; the waits then watch its
// descriptor beside the abort event, and Qt reads, so that a window's event
// loop running meanwhile (which may read for the socket) loses nothing.
#include "serial/LineStream.h"

#include <memory>

class QTcpSocket;

inline constexpr int kConnectMs = 5000; // a device server that does not answer within this is given up

class NetworkLine : public LineStream {
public:
    // Connects to host:port; throws ComPortError naming the address and why
    // (connection refused, host not found, timed out).
    NetworkLine(const QString& address, const QString& host, quint16 port);
    ~NetworkLine() override;

    LineWait waitForInput(const AbortEvent* abort, int timeoutMs, int& osError) override;
    int takeInput(QByteArray& into) override;
    int write(const QByteArray& bytes, int baud, int& sent) override;
    int applySpeed(int) override { return 0; }

private:
    int closedError() const;

    std::unique_ptr<QTcpSocket> socket_;
};
