#include "shell/panels/NumberBox.h"

#include <QFocusEvent>
#include <algorithm>
#include <limits>

bool isLeaving(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

QString numberBoxText(int value) {
    const QString digits = QString::number(value < 0 ? -qlonglong(value) : qlonglong(value));
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
        grouped += digits[i];
    }
    return value < 0 ? QStringLiteral("(") + grouped + QStringLiteral(")") : grouped;
}

std::optional<int> numberBoxValue(const QString& text) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    } else if (t.startsWith(u'-')) {
        negative = true;
        t = t.mid(1);
    }
    t.remove(u',');
    if (t.isEmpty() || t.size() > 10) return std::nullopt;
    qlonglong magnitude = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
    }
    const qlonglong v = negative ? -magnitude : magnitude;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(v);
}

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(numberBoxText(0));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const auto v = numberBoxValue(text)) {
            value_ = *v;
            emit valueEdited(*v);
        }
    });
    connect(this, &QLineEdit::returnPressed, this, &NumberBox::commit);
}

void NumberBox::setRange(int lowest, int highest) {
    range_ = {lowest, highest};
}

void NumberBox::commit() {
    if (range_) value_ = std::clamp(value_, range_->first, range_->second);
    setText(numberBoxText(value_));
    emit valueCommitted(value_);
}

void NumberBox::setValue(int value) {
    value_ = value;
    const QString text = numberBoxText(value);
    if (text != this->text()) setText(text);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isLeaving(*event)) commit();
}
