#include "serial/ComPortError.h"

#include "serial/PortNames.h"

#include <array>
#include <cstring>

namespace {
constexpr std::array<const char*, 23> kTexts = {
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "EnumPorts function failed",
    "Failed to store settings",
    "Failed to load settings",
    "Link (un)registration failed",
    "Cannot change led state if ComPort is selected",
    "Cannot wait for event if event thread is created",
    "WaitForEvent method failed",
    "A component is linked to OnRxBuf event",
    "Registry error",
};
} // namespace

QString comErrorText(int code) {
    if (code < 1 || code > int(kTexts.size())) return {};
    return QString::fromLatin1(kTexts[size_t(code - 1)]);
}

QString comErrorMessage(int code, int osError) {
    QString text = comErrorText(code);
    if (osError != 0) text += QStringLiteral(" (win error code: %1)").arg(osError);
    return text;
}

ComPortError::ComPortError(int code, int osError)
    : OperatorError(comErrorMessage(code, osError)), code_(code), osError_(osError) {}

QString portErrorText(const ComPortError& error, const QString& port) {
    QString text = error.text() + QStringLiteral(": ") + portDevicePath(port);
    if (error.OsError() != 0) text += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error.OsError()));
    return text;
}
