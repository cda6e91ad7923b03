#pragma once
// One transaction with the printer: construction begins it (a fresh abort
// event, the interrupt hook in place, the port's Events emptied, Open) and
// destruction ends it (the hook removed, the abort event freed, Close). In
// between, frames are exchanged in the caller's order; a failed exchange ends
// the caller's sequence. Serial-port errors (ComPortError) are not caught: they leave the
// transaction, which closes the port and frees the event on the way out.
//
// The send of a message is, in one transaction:
//   t.sendChunks(cmdBackgroundChunk, moBan, dpiNo, packed, actionBackground())
//   && t.send(buildFrame(cmdDateSettings or cmdFieldAbsent, ...), actionDateSettings())
//   && ... expiry, serial number, shift.

#include "link/LinkTexts.h"
#include "link/TransactionTrace.h"
#include "serial/AbortEvent.h"

#include <QByteArray>
#include <memory>

class LinkReporter;
class SerialPort;

inline constexpr int kQuietMs = 3000; // a reply ends after this long without a byte
inline constexpr int kSettleMs = 30;  // with fast acknowledgement: the wait for bytes trailing an acknowledgement
inline constexpr int kTries = 3;
inline constexpr int kReplyMs = 2000;  // a try gathers at most this long beyond one quiet period
inline constexpr int kMaxReply = 4096; // nor more bytes than this: a babbling line cannot hold a try
inline constexpr int kAckSize = 3;     // the printer's every reply: 06 00 B3, or three bytes of refusal

// When a reply is over. As the printer's protocol asks: after quietMs without
// a byte. With fast acknowledgement (an opt-in that trades the protocol's
// quiet period for speed): also as soon as the reply holds a complete
// acknowledgement (three bytes, the third 0xB3) and settleMs then pass without
// a byte. A reply that is no acknowledgement still waits the quiet period.
// The first exchange of a transaction always waits the quiet period: a
// printer that says more than one acknowledgement there (a repeat, trailing
// bytes), or later sends bytes no write is owed, gets the quiet period for the
// rest of the transaction, since a repeat could otherwise pass for the next
// frame's acknowledgement.
//
// Every try ends at the latest quietMs + replyMs after its write, or after
// kMaxReply bytes; a try cut short this way is not accepted.
struct ReplyTiming {
    ReplyTiming(int quiet = kQuietMs) : quietMs(quiet) {} // a quiet period alone
    int quietMs;
    bool fastAck = false;
    int settleMs = kSettleMs;
    int replyMs = kReplyMs;
};

class Transaction {
public:
    // Throws ComPortError when the port cannot be opened (the port stays
    // closed), std::logic_error when too many transactions run at once.
    // Transactions on different ports may run at once, each on its own
    // thread; a port that another holds refuses to open.
    Transaction(SerialPort& port, LinkReporter& reporter, ReplyTiming timing);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Up to three tries of: write the frame, show the waiting text, gather the
    // reply until the line is quiet, test it. Bytes that were waiting before
    // a try's frame was written never count as its reply. A try that ends
    // without its three reply bytes leaves them owed: the next bytes to
    // arrive, in this exchange or a later one of the transaction, pay off
    // the oldest write first and are never taken as a later write's reply.
    // Shows the failure text after the third rejected try. No success text.
    bool exchange(const QByteArray& frame, const LinkAction& action);
    // exchange(), then the success text when accepted.
    bool send(const QByteArray& frame, const LinkAction& action);
    // One send() per chunk, in order; stops at the first chunk that fails.
    // Empty data sends nothing and succeeds. Throws std::length_error for data
    // of more than 255 chunks, before anything is sent.
    bool sendChunks(quint8 command, quint8 first, quint8 second, const QByteArray& data, const LinkAction& action);

    // Set from anywhere (a cancel button, the interrupt hook) to make the
    // remaining tries fail at once.
    AbortEvent& abortEvent() { return *abort_; }

private:
    struct Gathered {
        QByteArray reply; // the bytes after those owed to earlier writes
        bool cut = false; // the try's time or byte budget ran out
    };
    void dropLateBytes();
    Gathered gatherReply();
    // The bytes read that pay off what earlier writes are owed are taken out.
    void payOwed(QByteArray& bytes);
    bool fastAckNow() const { return timing_.fastAck && acceptedBefore_ && !surplusSeen_; }

    TransactionTrace trace_; // appends the transaction to the log when it ends
    SerialPort& port_;
    LinkReporter& reporter_;
    ReplyTiming timing_;
    std::unique_ptr<AbortEvent> abort_;
    int owed_ = 0;                // reply bytes still due to writes whose tries ended without them
    bool acceptedBefore_ = false; // an exchange of this transaction was accepted
    bool surplusSeen_ = false;    // the printer sent bytes no write was owed
};
