#include "shell/EditHistory.h"

#include "shell/ErrorBoundary.h"
#include "shell/panels/PropertyPanels.h"

#include <QApplication>
#include <QUndoStack>

class ElementStep : public QUndoCommand {
public:
    ElementStep(EditHistory& history, const QString& text, std::optional<ElementSnapshot> before,
                std::optional<ElementSnapshot> after, int mergeKey)
        : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after)),
          mergeKey_(mergeKey), session_(history.typingSession_) {}

    void undo() override {
        runCommand(history_.window_, [this] { history_.apply(number(), before_); });
    }
    void redo() override {
        if (done_) runCommand(history_.window_, [this] { history_.apply(number(), after_); });
        done_ = true; // the first redo is the step the operator has just made
    }
    int id() const override { return mergeKey_ ? mergeKey_ : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const ElementStep*>(other);
        if (next->number() != number() || !next->after_ || next->session_ != session_) return false;
        after_ = next->after_;
        return true;
    }

private:
    int number() const { return before_ ? before_->number : after_->number; }

    EditHistory& history_;
    std::optional<ElementSnapshot> before_, after_;
    int mergeKey_;
    int session_;
    bool done_ = false;
};

// A step of many elements at once; the first redo is the step already made.
class CommandStep : public QUndoCommand {
public:
    CommandStep(QWidget* window, const QString& text, std::function<void()> undo, std::function<void()> redo)
        : QUndoCommand(text), window_(window), undo_(std::move(undo)), redo_(std::move(redo)) {}
    void undo() override { runCommand(window_, undo_); }
    void redo() override {
        if (done_) runCommand(window_, redo_);
        done_ = true;
    }

private:
    QWidget* window_;
    std::function<void()> undo_, redo_;
    bool done_ = false;
};

EditHistory::EditHistory(QWidget* window, MessageTemplate& message, PropertyPanels* panels)
    : QObject(window), window_(window), message_(message), panels_(panels), stack_(new QUndoStack(this)) {
    connect(qApp, &QApplication::focusChanged, this, [this] { ++typingSession_; });
}

void EditHistory::recordCommand(const QString& text, std::function<void()> undo, std::function<void()> redo) {
    stack_->push(new CommandStep(window_, text, std::move(undo), std::move(redo)));
}

void EditHistory::clear() {
    stack_->clear();
}

void EditHistory::record(const QString& text, std::optional<ElementSnapshot> before,
                         std::optional<ElementSnapshot> after) {
    if (!before && !after) return;
    stack_->push(new ElementStep(*this, text, std::move(before), std::move(after), 0));
}

void EditHistory::edit(FieldElement& element, const QString& text, const std::function<void()>& change, int mergeKey) {
    ElementSnapshot before = snapshotOf(message_, element);
    const int number = element.number();
    change();
    FieldElement* changed = message_.find(number);
    std::optional<ElementSnapshot> after;
    if (changed) after = snapshotOf(message_, *changed);
    if (after && sameState(before, *after)) return; // filling a panel, or a value typed again: no step
    stack_->push(new ElementStep(*this, text, std::move(before), std::move(after), mergeKey));
}

void EditHistory::remove(FieldElement& element, const QString& text) {
    ElementSnapshot before = snapshotOf(message_, element);
    message_.remove(element.number());
    panels_->showMain();
    record(text, std::move(before), std::nullopt);
}

void EditHistory::apply(int number, const std::optional<ElementSnapshot>& state) {
    if (!state) {
        message_.remove(number);
        message_.select(nullptr);
        panels_->showMain();
        return;
    }
    FieldElement& e = restoreSnapshot(message_, *state);
    message_.select(&e);
    showElement(e);
}

void EditHistory::showElement(FieldElement& element) {
    runCommand(window_, [&] { panels_->showFor(element); });
}
