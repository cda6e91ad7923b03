#pragma once
// A box for a whole number shown with thousands separators, a negative value in
// parentheses: 1234 -> "1,234", -5 -> "(5)".
#include <QLineEdit>
#include <optional>
#include <utility>

class QFocusEvent;

// True when the focus moves to another control; false when the window merely
// loses activation (a message box opens) or a popup opens.
bool isLeaving(const QFocusEvent& event);
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
    // A box with a range brings a value outside it back to the nearest bound
    // when it is left or Enter is pressed; without one it takes any whole number.
    void setRange(int lowest, int highest);

signals:
    // The operator typed a text that reads as a whole number.
    void valueEdited(int value);
    // The box was left or Enter was pressed in it; value() is within the range.
    void valueCommitted(int value);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void commit();

    int value_ = 0;
    std::optional<std::pair<int, int>> range_;
};
