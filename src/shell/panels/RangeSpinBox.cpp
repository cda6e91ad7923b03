#include "shell/panels/RangeSpinBox.h"

#include "shell/panels/NumberBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>

RangeSpinBox::RangeSpinBox(int lowest, int highest, QWidget* parent)
    : QSpinBox(parent), lowest_(lowest), highest_(highest) {
    // The spin box itself takes any whole number; the range is applied here.
    QSpinBox::setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setValue(lowest);
    connect(this, &QSpinBox::textChanged, this, [this] {
        if (!isEmpty()) emit changed();
    });
}

int RangeSpinBox::boxValue() const {
    return std::clamp(value(), lowest_, highest_);
}

void RangeSpinBox::setTypingAllowed(bool allowed) {
    lineEdit()->setReadOnly(!allowed);
}

void RangeSpinBox::stepBy(int steps) {
    const qint64 next = qint64(boxValue()) + qint64(steps) * singleStep();
    setValue(static_cast<int>(std::clamp<qint64>(next, lowest_, highest_)));
}

QAbstractSpinBox::StepEnabled RangeSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (boxValue() < highest_) enabled |= StepUpEnabled;
    if (boxValue() > lowest_) enabled |= StepDownEnabled;
    return enabled;
}

void RangeSpinBox::commit() {
    if (!isEmpty() && value() != boxValue()) setValue(boxValue());
    emit committed();
}

void RangeSpinBox::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    if (isLeaving(*event)) commit();
}

void RangeSpinBox::keyPressEvent(QKeyEvent* event) {
    QSpinBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) commit();
}
