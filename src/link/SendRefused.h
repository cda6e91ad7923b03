#pragma once
// A send that cannot be made is refused with this error before anything is
// sent; what() is the text shown to the operator (UTF-8).
#include "common/OperatorError.h"

class SendRefused : public OperatorError {
public:
    using OperatorError::OperatorError;
};
