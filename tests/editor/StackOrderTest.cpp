#include "editor/StackOrder.h"

#include "model/FieldPlacement.h"

#include <gtest/gtest.h>

namespace {
// The kinds of the elements from the back, and their numbers.
std::vector<std::pair<int, eStyle>> order(const MessageTemplate& t) {
    std::vector<std::pair<int, eStyle>> seen;
    for (const FieldElement* e : t.elements()) seen.emplace_back(e->number(), e->asField()->UserStyle());
    return seen;
}
} // namespace

// Numbers 0 and 2 in use (a gap after a deletion): the set stays, handed out
// back to front; NextControlNo is not touched.
TEST(StackOrder, NumbersFollowTheNewOrder) {
    MessageTemplate t;
    placeField(t, csStr, 0, 0);
    placeField(t, csDate, 0, 0);
    placeField(t, csNo, 0, 0);
    t.remove(1);
    t.SetNextControlNo(9);
    // Worked by hand: the numbers in use (0 and 2) are handed out again in the new order, lowest at the back.
    const struct {
        int pick; // the number of the element moved
        StackEnd end;
        std::vector<std::pair<int, eStyle>> expected;
    } rows[] = {
        {0, StackEnd::Front, {{0, csNo}, {2, csStr}}},
        {2, StackEnd::Back, {{0, csStr}, {2, csNo}}},
    };
    ASSERT_EQ(order(t), (std::vector<std::pair<int, eStyle>>{{0, csStr}, {2, csNo}}));
    for (const auto& row : rows) {
        FieldElement* moved = moveToStackEnd(t, *t.find(row.pick), row.end);
        ASSERT_NE(moved, nullptr);
        EXPECT_EQ(t.selectedElement(), moved);
        EXPECT_EQ(order(t), row.expected);
        EXPECT_EQ(t.NextControlNo(), 9);
    }
    EXPECT_EQ(moveToStackEnd(t, *t.find(0), StackEnd::Back), nullptr); // already there: no change
}
