#include "editor/CanvasLayout.h"

#include "model/FieldPlacement.h"

#include <gtest/gtest.h>

namespace {
const QSize kCanvas(512, 128); // panel 554 x 174, canvas at (21, 21) to (532, 148)
} // namespace

TEST(CanvasLayout, PartsOfTheSurface) {
    MessageTemplate empty;
    // worked by hand from the panel (W + 42) x 174 with its one-dot border
    const struct {
        QPoint point;
        SurfacePart part;
    } rows[] = {
        {{0, 50}, SurfacePart::Border},   {{553, 50}, SurfacePart::Border},  {{30, 0}, SurfacePart::Border},
        {{30, 173}, SurfacePart::Border}, {{1, 1}, SurfacePart::Ruler},      {{20, 50}, SurfacePart::Ruler},
        {{533, 50}, SurfacePart::Ruler},  {{100, 149}, SurfacePart::Ruler},  {{552, 172}, SurfacePart::Ruler},
        {{21, 21}, SurfacePart::Canvas},  {{532, 148}, SurfacePart::Canvas}, {{554, 50}, SurfacePart::Outside},
        {{-1, 50}, SurfacePart::Outside}, {{30, 174}, SurfacePart::Outside},
    };
    for (const auto& r : rows)
        EXPECT_EQ(hitSurface(empty, r.point, kCanvas).part, r.part) << r.point.x() << "," << r.point.y();
}

TEST(CanvasLayout, NewestElementInFrontEvenOverTheBorder) {
    MessageTemplate m;
    FieldElement& older = placeField(m, csImage, 0, 0);   // 64 x 64 at panel (21, 21)
    FieldElement& newer = placeField(m, csImage, 40, 40); // at panel (61, 61)
    FieldElement& edge = placeField(m, csImage, -21, 60); // covers the left border at x 0
    EXPECT_EQ(hitSurface(m, {30, 30}, kCanvas).element, &older);
    EXPECT_EQ(hitSurface(m, {70, 70}, kCanvas).element, &newer); // both cover it
    EXPECT_EQ(hitSurface(m, {0, 100}, kCanvas).element, &edge);
    EXPECT_EQ(hitSurface(m, {0, 100}, kCanvas).part, SurfacePart::Element);
}

TEST(CanvasLayout, PlacementPoints) {
    // press point in the pressed control + 21 is Left/Top; less 21 is the template point
    EXPECT_EQ(placementPoint(SurfacePart::Canvas, {521, 121}), QPoint(500, 100)); // canvas dot (500, 100)
    EXPECT_EQ(placementPoint(SurfacePart::Border, {0, 50}), QPoint(0, 50));       // Left 21, Top 71
    EXPECT_EQ(placementPoint(SurfacePart::Ruler, {5, 50}), std::nullopt);
    EXPECT_EQ(placementPoint(SurfacePart::Element, {30, 30}), std::nullopt);
}

TEST(CanvasLayout, DragClampsTopLeftFirstThenBottomRight) {
    // each expectation worked by hand: Left = mouse - grip, then 21 <= Left, then Left + w <= 21 + W
    const struct {
        QPoint mouse, grip;
        QSize element;
        QPoint expected;
    } rows[] = {
        {{200, 60}, {5, 5}, {164, 18}, {195, 55}},   // inside: the pressed dot stays under the mouse
        {{10, 60}, {5, 5}, {164, 18}, {21, 55}},     // past the left edge: template x 0
        {{100, 300}, {0, 0}, {164, 18}, {100, 131}}, // past the bottom: bottom row 110 + 17 = 127
        {{530, 130}, {9, 9}, {164, 18}, {369, 121}}, // stuck out right: pulled back to 533 - 164
        {{100, 100}, {0, 0}, {40, 130}, {100, 19}},  // 130 high: 149 - 130 = 19, template y -2
        {{100, 0}, {0, 0}, {40, 130}, {100, 19}},    // held at 21 first, then lifted to 19
        {{0, 40}, {0, 0}, {600, 18}, {-67, 40}},     // wider than the canvas: 533 - 600
    };
    for (const auto& r : rows)
        EXPECT_EQ(dragPosition(r.mouse, r.grip, r.element, kCanvas), r.expected)
            << r.mouse.x() << "," << r.mouse.y() << " size " << r.element.width() << "x" << r.element.height();
}
