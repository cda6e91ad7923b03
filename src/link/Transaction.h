#pragma once
// One transaction with the printer: construction begins it (a fresh abort
// event, the interrupt hook in place, the port's Events emptied, Open) and
// destruction ends it (the hook removed, the abort event freed, Close). In
// between, frames are exchanged in the caller's order; a failed exchange ends
// the caller's sequence. Serial-port errors (ComPortError) are not caught: they leave the
// transaction, which closes the port and frees the event on the way out.
//
// The send of a message is, in one transaction:
//   t.SendChunks(cmdBackgroundChunk, moBan, dpiNo, packed, actionBackground())
//   && t.Send(buildFrame(cmdDateSettings or cmdFieldAbsent, ...), actionDateSettings())
//   && ... expiry, serial number, shift.

#include "serial/AbortEvent.h"
#include "link/LinkTexts.h"

#include <QByteArray>
#include <memory>

class LinkReporter;
class SerialPort;

inline constexpr int kQuietMs = 3000; // a reply ends after this long without a byte
inline constexpr int kTries = 3;
inline constexpr int kMaxReply = 4096; // a babbling line cannot hold a try forever

class Transaction {
public:
    // Throws ComPortError when the port cannot be opened (the port stays
    // closed), std::logic_error when another transaction is running.
    Transaction(SerialPort& port, LinkReporter& reporter, int quietMs = kQuietMs);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Up to three tries of: write the frame, show the waiting text, gather the
    // reply until the line is quiet, test it. Bytes that were waiting before
    // a try's frame was written never count as its reply. Shows the failure
    // text after the third rejected try. No success text.
    bool Exchange(const QByteArray& frame, const LinkAction& action);
    // Exchange, then the success text when accepted.
    bool Send(const QByteArray& frame, const LinkAction& action);
    // One Send per chunk, in order; stops at the first chunk that fails.
    // Empty data sends nothing and succeeds. Throws std::length_error for data
    // of more than 255 chunks, before anything is sent.
    bool SendChunks(quint8 command, quint8 first, quint8 second, const QByteArray& data, const LinkAction& action);

    // Set from anywhere (a cancel button, the interrupt hook) to make the
    // remaining tries fail at once.
    AbortEvent& Abort() { return *abort_; }

private:
    void dropLateBytes();
    QByteArray gatherReply();

    SerialPort& port_;
    LinkReporter& reporter_;
    int quietMs_;
    std::unique_ptr<AbortEvent> abort_;
};
