#pragma once
// The one base of every error meant for the operator: a refusal or failure
// whose text is shown as it is (in the error box, the message panel or on the
// command line). text() is the only way to read it; what() holds the same
// text in UTF-8 for code that only knows std::exception.
// Anything else that escapes a command is a programming error, not an
// operator message.
#include <QString>
#include <stdexcept>

class OperatorError : public std::runtime_error {
public:
    explicit OperatorError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    explicit OperatorError(const std::string& utf8) : OperatorError(QString::fromStdString(utf8)) {}
    explicit OperatorError(const char* utf8) : OperatorError(QString::fromUtf8(utf8)) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};
