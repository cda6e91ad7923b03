#pragma once
// What one transaction did, gathered while it runs and appended to the
// transaction log when the trace is destroyed - also when the transaction
// ends by an exception (then as a port error with its text, or as refused
// when nothing had been written).
#include "link/TransactionLog.h"

#include <QCryptographicHash>

class SerialPort;

class TransactionTrace {
public:
    explicit TransactionTrace(const SerialPort& port);
    ~TransactionTrace();
    TransactionTrace(const TransactionTrace&) = delete;
    TransactionTrace& operator=(const TransactionTrace&) = delete;

    // Try number `attempt` (1..3) of frame was written.
    void frameWritten(const QByteArray& frame, int attempt);
    // The printer did not accept a frame after its last try.
    void frameRejected() { rejected_ = true; }
    void portError(const QString& text) { portError_ = text; }

private:
    TransactionRecord record_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
    bool rejected_ = false;
    std::optional<QString> portError_;
    int exceptionsAtStart_;
};
