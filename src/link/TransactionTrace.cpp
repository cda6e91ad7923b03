#include "link/TransactionTrace.h"

#include "link/Frame.h"
#include "serial/SerialPort.h"

#include <QCoreApplication>
#include <exception>

namespace {
// What a transaction does, told by the command byte of its first frame.
QString commandOf(quint8 code) {
    switch (code) {
    case cmdBackgroundChunk:
    case cmdDateSettings:
    case cmdExpirySettings:
    case cmdSerialNoSettings:
    case cmdShiftSettings:
    case cmdFieldAbsent: return QStringLiteral("send");
    case cmdSetClock: return QStringLiteral("clock");
    case cmdQuery: return QStringLiteral("query");
    case cmdEraseFlash: return QStringLiteral("erase");
    case cmdStandardGlyphChunk:
    case cmdGlyphRowChunk:
    case cmdGlyphColumnChunk: return QStringLiteral("glyphs");
    default: return QStringLiteral("0x") + QString::number(code, 16).toUpper();
    }
}
constexpr int kCommandByte = 2; // 01 00 CMD L L payload...
constexpr int kFirstPayloadByte = 5;
} // namespace

TransactionTrace::TransactionTrace(const SerialPort& port) : exceptionsAtStart_(std::uncaught_exceptions()) {
    record_.started = QDateTime::currentDateTime();
    record_.program = QCoreApplication::applicationName();
    record_.port = port.port();
    record_.speed = port.baudRate();
    if (const TransactionLabel* label = TransactionLabel::current()) {
        record_.command = label->command;
        record_.file = label->file;
        record_.replacements = label->replacements;
    }
}

void TransactionTrace::frameWritten(const QByteArray& frame, int attempt) {
    ++record_.tries;
    if (attempt != 1) return;
    if (record_.frames++ == 0 && frame.size() > kFirstPayloadByte) {
        const quint8 code = quint8(frame[kCommandByte]);
        if (record_.command.isEmpty()) record_.command = commandOf(code);
        // A message's frames carry the template number first in their payload.
        if (commandOf(code) == QLatin1String("send")) record_.moBan = quint8(frame[kFirstPayloadByte]);
    }
    hash_.addData(frame);
    record_.bytes += frame.size();
}

TransactionTrace::~TransactionTrace() {
    finish();
}

void TransactionTrace::finish() {
    if (finished_) return;
    finished_ = true;
    if (portError_) {
        record_.result = kResultPortError;
        record_.error = *portError_;
    } else if (std::uncaught_exceptions() > exceptionsAtStart_) {
        record_.result = record_.tries == 0 ? kResultRefused : kResultFailed;
    } else {
        record_.result = interrupted_          ? kResultInterrupted
                         : rejected_           ? kResultFailed
                         : record_.frames == 0 ? kResultNothingSent
                                               : kResultAcknowledged;
    }
    if (record_.frames > 0) record_.sha256 = hash_.result().toHex();
    recordTransaction(record_);
}
