#include "link/PrinterCommands.h"

#include "link/Frame.h"

namespace {
bool sendOne(SerialPort& port, LinkReporter& reporter, const QByteArray& frame, const LinkAction& action, int quietMs) {
    Transaction transaction(port, reporter, quietMs);
    return transaction.Send(frame, action);
}
} // namespace

bool setPrinterClock(SerialPort& port, LinkReporter& reporter, const QDateTime& now, int quietMs) {
    return sendOne(port, reporter, clockFrame(now), actionSetClock(), quietMs);
}

bool eraseFlashSegment(SerialPort& port, LinkReporter& reporter, int segment, int quietMs) {
    return sendOne(port, reporter, eraseFrame(segment), actionEraseFlash(), quietMs);
}

bool queryPrinter(SerialPort& port, LinkReporter& reporter, int quietMs) {
    return sendOne(port, reporter, queryFrame(), actionQuery(), quietMs);
}
