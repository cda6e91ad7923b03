#include "shell/panels/InitValueBox.h"

#include "shell/panels/NumberBox.h"

#include <QFocusEvent>
#include <QValidator>

namespace {
// Refuses an edit that makes the text longer than both the limit and the text
// it replaces.
class GrowthLimit : public QValidator {
public:
    GrowthLimit(const int& limit, const int& shownLength, QObject* parent)
        : QValidator(parent), limit_(limit), shownLength_(shownLength) {}
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ || input.size() <= shownLength_ ? Acceptable : Invalid;
    }

private:
    const int& limit_;
    const int& shownLength_;
};
} // namespace

InitValueBox::InitValueBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new GrowthLimit(limit_, shownLength_, this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { shownLength_ = text.size(); });
    connect(this, &QLineEdit::returnPressed, this, &InitValueBox::committed);
}

void InitValueBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isLeaving(*event)) emit committed();
}
