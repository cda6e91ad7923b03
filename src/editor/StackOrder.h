#pragma once
// Bringing an element in front of all others or behind them. A saved file and
// a send go through the elements by number, and a file read back places them in
// that order, newer in front; so the numbers the elements hold are handed out
// again in the new stacking order, the lowest at the back. The set of numbers
// in use stays the same, and so does NextControlNo.
#include "model/MessageTemplate.h"

enum class StackEnd { Front, Back };

// Moves the element to that end of the stacking order and renumbers as above.
// Every element is put back anew (pointers held before do not survive); the
// moved element is returned, selected. None when it already stood there.
FieldElement* moveToStackEnd(MessageTemplate& message, FieldElement& element, StackEnd end);
