#pragma once
// Failures of field content and drawing; what() is the exact text the operator
// sees ("JPEG error #53", "'$ZZ' is not a valid integer value").
#include "common/OperatorError.h"

class FieldError : public OperatorError {
public:
    using OperatorError::OperatorError;
};

// The general conversion message for a text that is no whole number.
inline FieldError notAnInteger(const QString& text) {
    return FieldError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
