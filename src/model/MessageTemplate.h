#pragma once
// The elements of the template being edited, found by number, with the number
// the next placed element takes and the selected element. Numbers 0 to 64 are
// the addressable ones: saving, sending and clearing see only those; elements
// numbered 65 and above exist and can be edited and moved all the same.
// Observers hear of every element added, changed (drawn or moved through this
// object) or removed, and of selection changes.
#include "model/DateStyles.h"
#include "model/FieldElement.h"

#include <functional>
#include <memory>
#include <vector>

class MessageTemplate {
public:
    static constexpr int kFirstNumber = 0;
    static constexpr int kLastAddressable = 64;

    struct Events {
        std::function<void(FieldElement&)> added;
        std::function<void(FieldElement&)> changed;
        std::function<void(int number)> removed; // after the element is gone
        std::function<void(FieldElement*)> selectionChanged;
    };

    MessageTemplate() = default;
    MessageTemplate(const MessageTemplate&) = delete;
    MessageTemplate& operator=(const MessageTemplate&) = delete;

    // Returns an id for unsubscribe.
    int subscribe(Events events);
    void unsubscribe(int id);

    // The element of any number, or none.
    FieldElement* find(int number) const;
    // The element named "ControlNo" + number for 0..64; none outside that range.
    FieldElement* findAddressable(int number) const;
    // The elements 0..64 that exist, in number order (saving, sending).
    std::vector<FieldElement*> addressable() const;
    // Every element, oldest first (newer ones lie in front on the canvas).
    std::vector<FieldElement*> elements() const;
    int count() const { return static_cast<int>(elements_.size()); }

    // Takes ownership under the given number. An element that already held
    // the number is removed first. Does not touch NextControlNo.
    FieldElement& add(int number, std::unique_ptr<FieldImage> field);
    FieldElement& add(int number, std::unique_ptr<Barcode> barcode);

    int NextControlNo() const { return nextControlNo_; }
    void SetNextControlNo(int number) { nextControlNo_ = number; }
    // The first number at or above NextControlNo that no element holds;
    // NextControlNo becomes that number + 1.
    int takeNextNumber();

    // Removes the element of that number; the selection is cleared if it was
    // that element. False when there is none.
    bool remove(int number);
    // Removes the selected element, if any.
    bool removeSelected();
    // Removes the elements 0..64, sets NextControlNo to start and the selection
    // to none. Elements 65 and above stay.
    void clear(int start);

    FieldElement* selectedElement() const { return selected_; }
    void select(FieldElement* element);

    // The time the date and expiry fields are drawn for: the computer's local
    // clock, or the clock set here (a test fixes the day; empty: local again).
    QDateTime now() const;
    void setClock(FieldClock clock) { clock_ = std::move(clock); }

    // Tells the observers that the element's picture, size or position changed.
    void notifyChanged(FieldElement& element);
    // Moves the element to a template point and notifies.
    void moveTo(FieldElement& element, int x, int y);
    // The element's place from the back (0 = oldest, drawn behind all others).
    int stackIndex(const FieldElement& element) const;
    // Puts the element at that place from the back (clamped) and notifies.
    void restack(FieldElement& element, int index);

private:
    FieldElement& insert(std::unique_ptr<FieldElement> element);
    template <typename Call> void broadcast(Call call);

    std::vector<std::unique_ptr<FieldElement>> elements_;
    FieldElement* selected_ = nullptr;
    int nextControlNo_ = 0;
    std::vector<std::pair<int, Events>> observers_;
    int nextObserverId_ = 1;
    FieldClock clock_;
};
