#pragma once
// A box for a whole number shown with thousands separators, a negative value in
// parentheses: 1234 -> "1,234", -5 -> "(5)".
#include <QLineEdit>
#include <optional>

// The text a number box shows for a value.
QString numberBoxText(int value);
// The value of typed text: digits with optional separators, a leading minus or
// surrounding parentheses for a negative value; none for anything else.
std::optional<int> numberBoxValue(const QString& text);

class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Shows the value; fires no signal.
    void setValue(int value);

signals:
    // The operator typed a text that reads as a whole number.
    void valueEdited(int value);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int value_ = 0;
};
