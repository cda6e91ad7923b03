#include "serial/ComPortError.h"

#include "serial/PortNames.h"

#include <array>
#include <cerrno>
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

namespace {
QString withoutAdvice(int code, int osError) {
    QString text = comErrorText(code);
    if (osError != 0) text += QStringLiteral(" (win error code: %1)").arg(osError);
    return text;
}

// The text, then what the operator can do about it, when we know.
QString withAdvice(const QString& text, int code, int osError) {
    const QString advice = comErrorAdvice(code, osError);
    return advice.isEmpty() ? text : text + QStringLiteral("; ") + advice;
}
} // namespace

QString comErrorAdvice(int code, int osError) {
    // A serial device belongs to the group dialout; a user outside it is refused.
    if (code == CE_OpenFailed && osError == EACCES)
        return QStringLiteral("add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again");
    return {};
}

QString comErrorMessage(int code, int osError) {
    return withAdvice(withoutAdvice(code, osError), code, osError);
}

ComPortError::ComPortError(int code, int osError)
    : OperatorError(comErrorMessage(code, osError)), code_(code), osError_(osError) {}

ComPortError::ComPortError(int code, int osError, const QString& detail)
    : OperatorError(withoutAdvice(code, osError) + QStringLiteral(": ") + detail), code_(code), osError_(osError),
      detail_(detail) {}

QString portErrorText(const ComPortError& error, const QString& port) {
    if (!error.detail().isEmpty()) return error.text();
    QString text = withoutAdvice(error.code(), error.OsError()) + QStringLiteral(": ") + portDevicePath(port);
    if (error.OsError() != 0) text += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error.OsError()));
    return withAdvice(text, error.code(), error.OsError());
}
