#pragma once
// A spin box of whole numbers within a range. Typing may go outside the range
// (70000 in a 0..65535 box); the box's value is then read as the nearest bound,
// and the text is put back to that bound when the box is left or Enter is
// pressed. The arrows and Page Up / Page Down never step outside it.
#include <QSpinBox>

class RangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    RangeSpinBox(int lowest, int highest, QWidget* parent = nullptr);

    // The shown number brought within the range.
    int boxValue() const;
    bool isEmpty() const { return cleanText().trimmed().isEmpty(); }
    // Arrow buttons and keys only: the text cannot be typed.
    void setTypingAllowed(bool allowed);
    void stepBy(int steps) override;

signals:
    // The text changed, typed or set by program, and is not empty.
    void changed();
    // The box was left or Enter was pressed in it.
    void committed();

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void commit();

    int lowest_;
    int highest_;
};
