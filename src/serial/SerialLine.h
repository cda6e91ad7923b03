#pragma once
// A serial device as a LineStream: Qt SerialPort opens, locks and configures
// it; the waiting, reading and writing go through its descriptor so that an
// abort event set from another thread can end a wait.
#include "serial/LineStream.h"

#include <memory>

class QSerialPort;

class SerialLine : public LineStream {
public:
    // Opens and configures the device at baud; throws ComPortError.
    SerialLine(const QString& device, int baud);
    ~SerialLine() override;

    LineWait waitForInput(const AbortEvent* abort, int timeoutMs, int& osError) override;
    int takeInput(QByteArray& into) override;
    int write(const QByteArray& bytes, int baud, int& sent) override;
    int applySpeed(int baud) override;

private:
    void configureLine(int baud);
    int handle() const;

    std::unique_ptr<QSerialPort> serial_;
    QString lockedPath_; // device held by this object while open
};
