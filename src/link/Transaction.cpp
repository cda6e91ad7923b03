#include "link/Transaction.h"

#include "link/Frame.h"
#include "link/InterruptHook.h"
#include "link/LinkReporter.h"
#include "serial/SerialPort.h"

#include <stdexcept>

Transaction::Transaction(SerialPort& port, LinkReporter& reporter, int quietMs)
    : port_(port), reporter_(reporter), quietMs_(quietMs), abort_(std::make_unique<AbortEvent>()) {
    if (!registerRunningAbort(abort_.get())) throw std::logic_error("another printer transaction is running");
    port_.SetEvents(0);
    try {
        port_.Open();
    } catch (...) {
        unregisterRunningAbort(abort_.get());
        throw;
    }
}

Transaction::~Transaction() {
    unregisterRunningAbort(abort_.get());
    abort_.reset();
    port_.Close();
}

void Transaction::dropLateBytes() {
    // Bytes that came after an earlier try's quiet period are read now, ahead
    // of this try's own, and are no answer to a frame not yet written: the
    // reply is what arrives from the write on (before the wait begins too).
    QByteArray late;
    port_.ReadBytes(late, port_.InputCount());
}

QByteArray Transaction::gatherReply() {
    QByteArray reply;
    while (reply.size() < kMaxReply) {
        TComEvents events = evRxChar;
        port_.WaitForEvent(events, abort_.get(), quietMs_);
        if (!(events & evRxChar)) break;
        QByteArray read;
        port_.ReadBytes(read, port_.InputCount());
        reply += read;
    }
    return reply;
}

bool Transaction::Exchange(const QByteArray& frame, const LinkAction& action) {
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        dropLateBytes();
        port_.WriteBytes(frame);
        reporter_.ShowMessage(action.waiting);
        if (replyAccepted(gatherReply())) return true;
    }
    reporter_.ShowMessage(action.failed);
    return false;
}

bool Transaction::Send(const QByteArray& frame, const LinkAction& action) {
    if (!Exchange(frame, action)) return false;
    reporter_.ShowMessage(action.succeeded);
    return true;
}

bool Transaction::SendChunks(quint8 command, quint8 first, quint8 second, const QByteArray& data,
                             const LinkAction& action) {
    for (const QByteArray& frame : chunkFrames(command, first, second, data))
        if (!Send(frame, action)) return false;
    return true;
}
