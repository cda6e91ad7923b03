#include "editor/StackOrder.h"

#include "editor/ElementSnapshot.h"

#include <algorithm>

FieldElement* moveToStackEnd(MessageTemplate& message, FieldElement& element, StackEnd end) {
    std::vector<ElementSnapshot> order;
    std::vector<int> numbers;
    for (const FieldElement* e : message.elements()) {
        order.push_back(snapshotOf(message, *e));
        numbers.push_back(e->number());
    }
    std::sort(numbers.begin(), numbers.end());
    const int from = message.stackIndex(element);
    const int to = end == StackEnd::Front ? static_cast<int>(order.size()) - 1 : 0;
    bool ordered = true; // numbers rise from the back already
    for (std::size_t i = 0; i < order.size(); ++i) ordered = ordered && order[i].number == numbers[i];
    if (from < 0 || (from == to && ordered)) return nullptr;

    ElementSnapshot moved = order[from];
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, moved);
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i].number = numbers[i];
        order[i].stackIndex = static_cast<int>(i);
    }
    for (int n : numbers) message.remove(n);
    for (const ElementSnapshot& s : order) restoreSnapshot(message, s);
    FieldElement* front = message.find(numbers[to]);
    message.select(front);
    return front;
}
