#pragma once
// What one transaction did, gathered while it runs and appended to the
// transaction log by finish() or, at the latest, when the trace is destroyed -
// also when the transaction ends by an exception (then as a port error with
// its text, or as refused when nothing had been written).
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
    // The printer did not accept a frame after its last try; interrupted when
    // an interrupt (Ctrl+C, SIGTERM, SIGHUP) cut the tries short.
    void frameRejected(bool interrupted) {
        rejected_ = true;
        interrupted_ = interrupted;
    }
    void portError(const QString& text) { portError_ = text; }
    // Appends the record now (once).
    void finish();

private:
    TransactionRecord record_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
    bool rejected_ = false;
    bool interrupted_ = false;
    bool finished_ = false;
    std::optional<QString> portError_;
    int exceptionsAtStart_;
};
