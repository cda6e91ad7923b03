#pragma once
// Failures of field content and drawing; what() is the exact text the operator
// sees ("JPEG error #53", "'$ZZ' is not a valid integer value").
#include <QString>
#include <stdexcept>

class FieldError : public std::runtime_error {
public:
    explicit FieldError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// The general conversion message for a text that is no whole number.
inline FieldError notAnInteger(const QString& text) {
    return FieldError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
