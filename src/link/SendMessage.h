#pragma once
// Sending a message: one transaction of the background chunks (0xB1), then the
// date, expiry, serial number and shift settings (0xC1..0xC4, or 0xC5 for a
// kind the template lacks), each only after the one before was accepted.
#include "link/MessageRender.h"
#include "link/Transaction.h"

#include <QCoreApplication>

class LinkReporter;
class SerialPort;

// The message box after a full success, in the interface language.
inline QString sendSucceededText() {
    return QCoreApplication::translate("SendMessage", "恭喜您，传输数据成功！ ");
}

// The frames of the four settings exchanges, in the order they are sent.
std::array<QByteArray, 4> SettingsFrames(const MessagePlan& plan);

// Every frame of a send, in order, as one run of bytes: what the printer is
// fed when every frame is accepted the first time.
QByteArray messageFrames(const MessagePlan& plan);

// True when every frame was accepted (the caller then shows sendSucceededText()).
// Serial-port errors are thrown as ComPortError.
bool sendMessage(SerialPort& port, LinkReporter& reporter, const MessagePlan& plan, ReplyTiming timing);
