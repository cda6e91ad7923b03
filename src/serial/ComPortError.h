#pragma once
// The one error the serial port raises: a code from the fixed table and, where
// the operating system reported one, its error number. what() is the text the
// operator sees, e.g. "Unable to open com port (win error code: 2)".

#include "common/OperatorError.h"
#include <QString>

enum TComErrorCode {
    CE_OpenFailed = 1,
    CE_WriteFailed = 2,
    CE_ReadFailed = 3,
    CE_InvalidAsync = 4,
    CE_PurgeFailed = 5,
    CE_AsyncCheck = 6,
    CE_SetStateFailed = 7,
    CE_TimeoutsFailed = 8,
    CE_SetupComFailed = 9,
    CE_ClearComFailed = 10,
    CE_ModemStatFailed = 11,
    CE_EscapeComFailed = 12,
    CE_TransmitFailed = 13,
    CE_ConnChangeProp = 14,
    CE_EnumPortsFailed = 15,
    CE_StoreFailed = 16,
    CE_LoadFailed = 17,
    CE_RegFailed = 18,
    CE_LedStateFailed = 19,
    CE_ThreadCreated = 20,
    CE_WaitFailed = 21,
    CE_HasLink = 22,
    CE_RegError = 23,
};

class ComPortError : public OperatorError {
public:
    // osError 0 means "no platform error": the text stands alone.
    ComPortError(int code, int osError);
    // detail names the port and the reason where the system's error number
    // alone does not ("tcp://10.0.0.5:4001: host not found"); it follows the
    // text after ": ".
    ComPortError(int code, int osError, const QString& detail);
    int code() const noexcept { return code_; }
    int OsError() const noexcept { return osError_; }
    QString detail() const { return detail_; }

private:
    int code_;
    int osError_;
    QString detail_;
};

// The table text of a code ("Unable to open com port" for 1); empty for an
// unknown code.
QString comErrorText(int code);
// What the operator can do about an error, when that is known: an open refused
// for lack of permission (EACCES) names the group of serial devices. Else empty.
QString comErrorAdvice(int code, int osError);
// The full message: the text, then " (win error code: %d)" when osError != 0,
// then "; " and the advice when there is one.
QString comErrorMessage(int code, int osError);

// The error's own text, then the device and the system's reason:
// "Unable to open com port (win error code: 2): /dev/ttyS6: No such file or directory",
// then "; " and the advice when there is one. An error with a detail shows
// the detail in place of the device and the system's reason.
QString portErrorText(const ComPortError& error, const QString& port);
