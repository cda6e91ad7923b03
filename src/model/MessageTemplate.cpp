#include "model/MessageTemplate.h"

#include <algorithm>

int MessageTemplate::subscribe(Events events) {
    observers_.emplace_back(nextObserverId_, std::move(events));
    return nextObserverId_++;
}

void MessageTemplate::unsubscribe(int id) {
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

template <typename Call> void MessageTemplate::broadcast(Call call) {
    const auto observers = observers_; // an observer may unsubscribe while called
    for (const auto& o : observers) call(o.second);
}

FieldElement* MessageTemplate::find(int number) const {
    for (const auto& e : elements_)
        if (e->number() == number) return e.get();
    return nullptr;
}

FieldElement* MessageTemplate::findAddressable(int number) const {
    if (number < kFirstNumber || number > kLastAddressable) return nullptr;
    return find(number);
}

std::vector<FieldElement*> MessageTemplate::addressable() const {
    std::vector<FieldElement*> found;
    for (int n = kFirstNumber; n <= kLastAddressable; ++n)
        if (FieldElement* e = find(n)) found.push_back(e);
    return found;
}

std::vector<FieldElement*> MessageTemplate::elements() const {
    std::vector<FieldElement*> all;
    for (const auto& e : elements_) all.push_back(e.get());
    return all;
}

FieldElement& MessageTemplate::insert(std::unique_ptr<FieldElement> element) {
    remove(element->number());
    elements_.push_back(std::move(element));
    FieldElement& added = *elements_.back();
    broadcast([&](const Events& ev) {
        if (ev.added) ev.added(added);
    });
    return added;
}

FieldElement& MessageTemplate::add(int number, std::unique_ptr<FieldImage> field) {
    return insert(std::make_unique<FieldElement>(number, std::move(field)));
}

FieldElement& MessageTemplate::add(int number, std::unique_ptr<Barcode> barcode) {
    return insert(std::make_unique<FieldElement>(number, std::move(barcode)));
}

QDateTime MessageTemplate::now() const {
    return clock_ ? clock_() : QDateTime::currentDateTime();
}

int MessageTemplate::takeNextNumber() {
    int number = nextControlNo_;
    while (find(number)) ++number;
    nextControlNo_ = number + 1;
    return number;
}

bool MessageTemplate::remove(int number) {
    const auto it =
        std::find_if(elements_.begin(), elements_.end(), [number](const auto& e) { return e->number() == number; });
    if (it == elements_.end()) return false;
    if (selected_ == it->get()) select(nullptr);
    elements_.erase(it);
    broadcast([&](const Events& ev) {
        if (ev.removed) ev.removed(number);
    });
    return true;
}

bool MessageTemplate::removeSelected() {
    return selected_ && remove(selected_->number());
}

void MessageTemplate::clear(int start) {
    for (int n = kFirstNumber; n <= kLastAddressable; ++n) remove(n);
    nextControlNo_ = start;
    select(nullptr);
}

void MessageTemplate::select(FieldElement* element) {
    if (element == selected_) return;
    selected_ = element;
    broadcast([&](const Events& ev) {
        if (ev.selectionChanged) ev.selectionChanged(element);
    });
}

void MessageTemplate::notifyChanged(FieldElement& element) {
    broadcast([&](const Events& ev) {
        if (ev.changed) ev.changed(element);
    });
}

void MessageTemplate::moveTo(FieldElement& element, int x, int y) {
    element.moveToTemplatePoint(x, y);
    notifyChanged(element);
}

int MessageTemplate::stackIndex(const FieldElement& element) const {
    for (std::size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].get() == &element) return static_cast<int>(i);
    return -1;
}

void MessageTemplate::restack(FieldElement& element, int index) {
    const int from = stackIndex(element);
    if (from < 0) return;
    const int to = std::clamp(index, 0, count() - 1);
    auto owned = std::move(elements_[from]);
    elements_.erase(elements_.begin() + from);
    elements_.insert(elements_.begin() + to, std::move(owned));
    notifyChanged(element);
}
