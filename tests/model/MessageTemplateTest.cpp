#include "model/MessageTemplate.h"
#include "ModelTestSupport.h"
#include "model/FieldPlacement.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> numbers(const std::vector<FieldElement*>& elements) {
    std::vector<int> found;
    for (const FieldElement* e : elements) found.push_back(e->number());
    return found;
}

std::unique_ptr<FieldImage> field(eStyle kind) {
    auto f = std::make_unique<FieldImage>();
    f->SetUserStyle(kind);
    return f;
}

} // namespace

// Three placed, the second deleted, a fourth placed: ControlNo0, 2 and 3,
// visited in that order (worked from the naming rule).
TEST(MessageTemplate, DeletingLeavesAGapAndNumbersAreNotReused) {
    MessageTemplate message;
    for (int i = 0; i < 3; ++i) placeField(message, csRunNo, 10 * i, 0);
    ASSERT_TRUE(message.remove(1));
    FieldElement& fourth = placeField(message, csRunNo, 40, 0);
    EXPECT_EQ(fourth.name(), QStringLiteral("ControlNo3"));
    EXPECT_EQ(message.NextControlNo(), 4);
    EXPECT_EQ(numbers(message.addressable()), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(message.findAddressable(1), nullptr);
    EXPECT_FALSE(message.remove(1));
}

// Numbers 65 and above exist and can be found and moved, but lookup, saving,
// sending and clearing (0..64) do not see them.
TEST(MessageTemplate, NumbersAbove64AreInvisibleToLookupAndClear) {
    MessageTemplate message;
    message.SetNextControlNo(64);
    FieldElement& last = placeField(message, csNo, 0, 0);
    FieldElement& beyond = placeField(message, csNo, 0, 0);
    EXPECT_EQ(last.number(), 64);
    EXPECT_EQ(beyond.number(), 65);
    EXPECT_EQ(message.findAddressable(64), &last);
    EXPECT_EQ(message.findAddressable(65), nullptr);
    EXPECT_EQ(message.findAddressable(-1), nullptr);
    EXPECT_EQ(message.find(65), &beyond);
    EXPECT_EQ(numbers(message.addressable()), (std::vector<int>{64}));
    message.moveTo(beyond, 7, 9);
    EXPECT_EQ(beyond.templatePos(), QPoint(7, 9));

    message.clear(0);
    EXPECT_EQ(message.count(), 1); // 65 stays
    EXPECT_EQ(message.find(65), &beyond);
    EXPECT_EQ(message.NextControlNo(), 0);
    EXPECT_EQ(message.selectedElement(), nullptr);
}

// A file may leave a gap (caption "csStr0//csDate2": elements 0 and 2 and
// NextControlNo 2); a placement then takes 3, not the held 2.
TEST(MessageTemplate, PlacementSkipsNumbersAlreadyHeld) {
    MessageTemplate message;
    message.add(0, field(csStr));
    message.add(2, field(csDate));
    message.SetNextControlNo(2);
    EXPECT_EQ(placeField(message, csRunNo, 0, 0).number(), 3);
    EXPECT_EQ(message.NextControlNo(), 4);
    EXPECT_EQ(numbers(message.addressable()), (std::vector<int>{0, 2, 3}));
    // Below the counter, a free number is not taken back.
    message.remove(0);
    EXPECT_EQ(message.takeNextNumber(), 4);
}

TEST(MessageTemplate, AddingUnderAHeldNumberReplacesTheElement) {
    MessageTemplate message;
    message.add(5, field(csStr));
    FieldElement& second = message.add(5, field(csNo));
    EXPECT_EQ(message.count(), 1);
    EXPECT_EQ(message.find(5), &second);
    EXPECT_EQ(second.kind(), csNo);
}

// Left = X + 21, Top = Y + 21.
TEST(MessageTemplate, TemplateAndSurfaceCoordinates) {
    struct Row {
        int x, y, left, top;
    };
    // Worked by hand: Left = X + 21, Top = Y + 21 (template point to drawing-surface point).
    const Row rows[] = {{0, 0, 21, 21}, {10, 5, 31, 26}, {500, 100, 521, 121}, {0, -2, 21, 19}};
    MessageTemplate message;
    for (const Row& r : rows) {
        FieldElement& e = placeField(message, csImage, r.x, r.y);
        EXPECT_EQ(e.Left(), r.left);
        EXPECT_EQ(e.Top(), r.top);
        EXPECT_EQ(e.templatePos(), QPoint(r.x, r.y));
    }
}

TEST(MessageTemplate, SelectionFollowsPlacementAndDeletion) {
    MessageTemplate message;
    EXPECT_EQ(message.selectedElement(), nullptr);
    FieldElement& a = placeField(message, csStr, 0, 0);
    EXPECT_EQ(message.selectedElement(), &a);
    FieldElement& b = placeField(message, csDate, 0, 30);
    EXPECT_EQ(message.selectedElement(), &b);
    message.select(&a);
    message.remove(b.number()); // not the selected one
    EXPECT_EQ(message.selectedElement(), &a);
    EXPECT_TRUE(message.removeSelected());
    EXPECT_EQ(message.selectedElement(), nullptr);
    EXPECT_FALSE(message.removeSelected()); // nothing selected: nothing happens
    EXPECT_EQ(message.count(), 0);
}

TEST(MessageTemplate, ObserversHearAdditionsChangesRemovalsAndSelection) {
    MessageTemplate message;
    QStringList heard;
    const int id = message.subscribe({
        [&](FieldElement& e) { heard << QStringLiteral("added ") + e.name(); },
        [&](FieldElement& e) { heard << QStringLiteral("changed ") + e.name(); },
        [&](int n) { heard << QStringLiteral("removed %1").arg(n); },
        [&](FieldElement* e) { heard << QStringLiteral("selected ") + (e ? e->name() : QStringLiteral("none")); },
    });
    FieldElement& e = placeField(message, csRunNo, 0, 0);
    message.moveTo(e, 5, 5);
    message.removeSelected();
    message.unsubscribe(id);
    placeField(message, csRunNo, 0, 0);
    EXPECT_EQ(heard, (QStringList{"added ControlNo0", "selected ControlNo0", "changed ControlNo0", "selected none",
                                  "removed 0"}));
}

// Elements keep their creation order: newer ones lie in front.
TEST(MessageTemplate, ElementsKeepTheirStackingOrder) {
    MessageTemplate message;
    message.add(7, field(csStr));
    message.add(3, field(csStr));
    message.add(5, field(csStr));
    EXPECT_EQ(numbers(message.elements()), (std::vector<int>{7, 3, 5}));
    EXPECT_EQ(numbers(message.addressable()), (std::vector<int>{3, 5, 7}));
}

// Each template draws its dates by its own clock: one fixed in a template
// reaches the dates placed in it and no other template, and an emptied clock
// is the computer's again.
TEST(MessageTemplate, DatesAreDrawnByTheTemplatesOwnClock) {
    const QDateTime day(QDate(2007, 3, 5), QTime(9, 5));
    MessageTemplate fixed;
    fixed.setClock(fixedClock(day));
    MessageTemplate nextDay;
    nextDay.setClock(fixedClock(day.addDays(1)));
    const FieldImage& a = *placeField(fixed, csDate, 0, 0).asField();
    const FieldImage& b = *placeField(nextDay, csDate, 0, 0).asField();
    FieldImage expected = a;
    drawFieldPreview(expected, day);
    EXPECT_EQ(a.picture(), expected.picture());
    EXPECT_NE(a.picture(), b.picture());

    const QDateTime before = QDateTime::currentDateTime();
    fixed.setClock({});
    EXPECT_GE(fixed.now(), before);
    EXPECT_LE(fixed.now(), QDateTime::currentDateTime());
}
