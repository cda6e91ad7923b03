#pragma once
// The short printer commands, each one whole transaction with one exchange.
// They return true when the printer acknowledged; the status texts go to the
// reporter. Serial-port errors are thrown as ComPortError.

#include "link/Transaction.h"

#include <QDateTime>

class LinkReporter;
class SerialPort;

// Sets the printer's clock to now; the frame is built once, so a retry
// carries the time of the first try.
bool setPrinterClock(SerialPort& port, LinkReporter& reporter, const QDateTime& now, ReplyTiming timing);
// Erases flash segment 0..15 (std::out_of_range otherwise, before the port opens).
bool eraseFlashSegment(SerialPort& port, LinkReporter& reporter, int segment, ReplyTiming timing);
// Sends the printer query; true when a printer on the port answered.
bool queryPrinter(SerialPort& port, LinkReporter& reporter, ReplyTiming timing);
