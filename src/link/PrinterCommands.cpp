#include "link/PrinterCommands.h"

#include "link/Frame.h"

namespace {
bool sendOne(SerialPort& port, LinkReporter& reporter, const QByteArray& frame, const LinkAction& action,
             ReplyTiming timing) {
    Transaction transaction(port, reporter, timing);
    return transaction.send(frame, action);
}
} // namespace

bool setPrinterClock(SerialPort& port, LinkReporter& reporter, const QDateTime& now, ReplyTiming timing) {
    return sendOne(port, reporter, clockFrame(now), actionSetClock(), timing);
}

bool eraseFlashSegment(SerialPort& port, LinkReporter& reporter, int segment, ReplyTiming timing) {
    return sendOne(port, reporter, eraseFrame(segment), actionEraseFlash(), timing);
}

bool queryPrinter(SerialPort& port, LinkReporter& reporter, ReplyTiming timing) {
    return sendOne(port, reporter, queryFrame(), actionQuery(), timing);
}
