#include "link/Transaction.h"

#include "link/Frame.h"
#include "link/InterruptHook.h"
#include "link/LinkReporter.h"
#include "serial/SerialPort.h"

#include <algorithm>
#include <stdexcept>

Transaction::Transaction(SerialPort& port, LinkReporter& reporter, ReplyTiming timing)
    : trace_(port), port_(port), reporter_(reporter), timing_(timing), abort_(std::make_unique<AbortEvent>()) {
    if (!registerRunningAbort(abort_.get())) throw std::logic_error("another printer transaction is running");
    port_.SetEvents(0);
    try {
        port_.Open();
    } catch (const ComPortError& e) {
        trace_.portError(e.text());
        unregisterRunningAbort(abort_.get());
        throw;
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
    int wait = timing_.quietMs;
    while (reply.size() < kMaxReply) {
        TComEvents events = evRxChar;
        port_.WaitForEvent(events, abort_.get(), wait);
        if (!(events & evRxChar)) break;
        QByteArray read;
        port_.ReadBytes(read, port_.InputCount());
        reply += read;
        if (timing_.fastAck && replyAccepted(reply)) wait = std::min(timing_.settleMs, timing_.quietMs);
    }
    return reply;
}

bool Transaction::Exchange(const QByteArray& frame, const LinkAction& action) try {
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        dropLateBytes();
        port_.WriteBytes(frame);
        trace_.frameWritten(frame, attempt);
        reporter_.ShowMessage(action.waiting);
        if (replyAccepted(gatherReply())) return true;
    }
    trace_.frameRejected();
    reporter_.ShowMessage(action.failed);
    return false;
} catch (const ComPortError& e) {
    trace_.portError(e.text());
    throw;
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
