#include "link/Transaction.h"

#include "link/Frame.h"
#include "link/InterruptHook.h"
#include "link/LinkReporter.h"
#include "serial/SerialPort.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <stdexcept>

Transaction::Transaction(SerialPort& port, LinkReporter& reporter, ReplyTiming timing)
    : trace_(port), port_(port), reporter_(reporter), timing_(timing), abort_(std::make_unique<AbortEvent>()) {
    if (!registerRunningAbort(abort_.get())) throw std::logic_error("too many printer transactions at once");
    port_.setEvents(0);
    try {
        port_.open();
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
    port_.close();
    trace_.finish();
    // SIGTERM or SIGHUP during the transaction only ended its tries; now that
    // the port is closed and the log written, the program ends as it asked.
    if (const int signal = terminationTaken()) ::raise(signal);
}

void Transaction::payOwed(QByteArray& bytes) {
    const int paid = int(std::min<qsizetype>(owed_, bytes.size()));
    bytes.remove(0, paid);
    owed_ -= paid;
}

void Transaction::dropLateBytes() {
    // Bytes that came after an earlier try's quiet period are read now, ahead
    // of this try's own: they pay off what earlier writes are owed, and
    // beyond that they are no answer to a frame not yet written.
    QByteArray late;
    port_.readBytes(late, port_.inputCount());
    payOwed(late);
    if (!late.isEmpty()) surplusSeen_ = true;
}

Transaction::Gathered Transaction::gatherReply() {
    Gathered g;
    const QDeadlineTimer budget(timing_.quietMs + timing_.replyMs);
    int wait = timing_.quietMs;
    for (;;) {
        if (g.reply.size() >= kMaxReply || budget.hasExpired()) {
            g.cut = true;
            break;
        }
        const int slice = int(std::min<qint64>(wait, budget.remainingTime()));
        TComEvents events = evRxChar;
        port_.waitForEvent(events, abort_.get(), slice);
        if (!(events & evRxChar)) {
            g.cut = slice < wait && !abort_->isSet();
            break;
        }
        QByteArray read;
        port_.readBytes(read, port_.inputCount());
        payOwed(read);
        g.reply += read;
        if (fastAckNow() && replyAccepted(g.reply)) wait = std::min(timing_.settleMs, timing_.quietMs);
    }
    return g;
}

bool Transaction::exchange(const QByteArray& frame, const LinkAction& action) try {
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        dropLateBytes();
        const int sent = port_.writeBytes(frame);
        trace_.frameWritten(frame, attempt);
        // A line that did not take the whole frame in its time (output held,
        // a device server that stopped reading) is a failed write, not a try
        // the printer could answer.
        if (sent < frame.size()) throw ComPortError(CE_WriteFailed, ETIMEDOUT);
        reporter_.showMessage(action.waiting);
        const Gathered g = gatherReply();
        if (!g.cut && replyAccepted(g.reply)) {
            if (g.reply.size() > kAckSize) surplusSeen_ = true; // a repeat, or more than an acknowledgement
            acceptedBefore_ = true;
            return true;
        }
        // Unanswered, or answered only in part: the rest may still come.
        owed_ += int(std::max<qsizetype>(0, kAckSize - g.reply.size()));
    }
    trace_.frameRejected(abort_->isSet());
    reporter_.showMessage(action.failed);
    return false;
} catch (const ComPortError& e) {
    trace_.portError(e.text());
    throw;
}

bool Transaction::send(const QByteArray& frame, const LinkAction& action) {
    if (!exchange(frame, action)) return false;
    reporter_.showMessage(action.succeeded);
    return true;
}

bool Transaction::sendChunks(quint8 command, quint8 first, quint8 second, const QByteArray& data,
                             const LinkAction& action) {
    for (const QByteArray& frame : chunkFrames(command, first, second, data))
        if (!send(frame, action)) return false;
    return true;
}
