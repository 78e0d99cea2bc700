#include "designer/AlignmentGuides.h"

#include "model/Form.h"
#include "model/TPTDialog.h"
#include "support/FormEditorFixture.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

using Axis = Guide::Axis;

const Box kFrame{0, 0, 160, 160};

TEST(AlignToGuides, AMoveSnapsItsNearestLineWithinReach) {
    const Box other{40, 40, 30, 12}; // lines x 40 55 70, y 40 46 52
    struct Case {
        const char* what;
        Box moved;
        Box snapped;
    } cases[] = {
        {"left onto left, 2 away", {42, 100, 20, 10}, {40, 100, 20, 10}},
        {"left 3 away stays", {43, 100, 16, 10}, {43, 100, 16, 10}},
        {"right onto left from the other side", {18, 100, 20, 10}, {20, 100, 20, 10}},
        {"centre onto centre", {46, 100, 20, 10}, {45, 100, 20, 10}},
        {"the nearer of two lines wins", {69, 100, 20, 10}, {70, 100, 20, 10}},
        {"top onto bottom", {100, 51, 20, 10}, {100, 52, 20, 10}},
        {"both axes at once", {41, 39, 20, 10}, {40, 40, 20, 10}},
        {"onto the screen's right edge", {139, 100, 20, 10}, {140, 100, 20, 10}},
        {"onto the screen's centre", {79, 98, 2, 10}, {79, 98, 2, 10}},
        {"centre onto the screen's centre", {71, 98, 20, 10}, {70, 98, 20, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(alignToGuides(c.moved, {}, {other}, kFrame).box, c.snapped) << c.what;
}

TEST(AlignToGuides, AResizeSnapsOnlyTheEdgesItDrags) {
    const Box other{40, 40, 30, 12};
    struct Case {
        const char* what;
        Box start;
        std::uint8_t edges;
        Box snapped;
    } cases[] = {
        {"right edge onto the other's right",
         {50, 100, 21, 10},
         EdgeMask::Right,
         {50, 100, 20, 10}},
        {"left edge onto the other's left", {42, 100, 20, 10}, EdgeMask::Left, {40, 100, 22, 10}},
        {"bottom edge onto the other's bottom",
         {100, 30, 10, 20},
         EdgeMask::Bottom,
         {100, 30, 10, 22}},
        // The left edge of a move would snap here; the dragged right edge has nothing near.
        {"an edge not dragged stays", {42, 100, 10, 10}, EdgeMask::Right, {42, 100, 10, 10}},
        // Never below a pixel: the left edge may not pass the right one.
        {"a one-pixel control keeps its pixel", {39, 100, 1, 10}, EdgeMask::Left, {39, 100, 1, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(alignToGuides(c.start, EdgeMask{c.edges}, {other}, kFrame).box, c.snapped)
            << c.what;
}

TEST(AlignToGuides, GuidesJoinTheLinedUpBoxesAcrossBothOfThem) {
    const Box above{40, 10, 30, 12}, below{10, 100, 60, 20};
    const GuidedBox result = alignToGuides({41, 50, 30, 10}, {}, {above, below}, kFrame);
    EXPECT_EQ(result.box, (Box{40, 50, 30, 10}));
    // Left edge 40: the one above's left and the one below's centre, merged in one line
    // over all three; centre 55: the one above; right edge 70: both.
    ASSERT_EQ(result.guides.size(), 3u);
    EXPECT_EQ(result.guides[0], (Guide{Axis::Vertical, 40, 10, 120}));
    EXPECT_EQ(result.guides[1], (Guide{Axis::Vertical, 55, 10, 60}));
    EXPECT_EQ(result.guides[2], (Guide{Axis::Vertical, 70, 10, 120}));
}

TEST(AlignToGuides, NothingWithinReachGivesNoGuide) {
    const GuidedBox result = alignToGuides({13, 13, 21, 21}, {}, {{90, 90, 10, 10}}, kFrame);
    EXPECT_EQ(result.box, (Box{13, 13, 21, 21}));
    EXPECT_TRUE(result.guides.empty());
    // A reach of 0 reports what lines up already, and moves nothing.
    const GuidedBox exact = alignToGuides({90, 13, 6, 5}, {}, {{90, 90, 10, 10}}, kFrame, 0);
    EXPECT_EQ(exact.box, (Box{90, 13, 6, 5}));
    ASSERT_EQ(exact.guides.size(), 1u);
    EXPECT_EQ(exact.guides[0], (Guide{Axis::Vertical, 90, 13, 100}));
}

using DragGuides = test::FormEditorFixture;

TEST_F(DragGuides, ADragSnapsToASiblingShowsTheGuideAndCtrlTurnsItOff) {
    Control* a = place("Button", {20, 30});
    Control* b = place("Button", {90, 80});
    ASSERT_TRUE(a && b);
    // With Ctrl, b goes one pixel right of a's left edge, and no guide shows.
    const int dx = a->left() + 1 - b->left();
    const ShiftState held(ShiftState::LeftButton);
    const ShiftState heldCtrl(ShiftState::LeftButton | ShiftState::Ctrl);
    Point grip = centre(*b);
    window.mousePress(grip, MouseButton::Left, heldCtrl);
    window.mouseMove({grip.x + dx, grip.y}, heldCtrl);
    EXPECT_TRUE(window.guides().empty());
    window.mouseRelease({grip.x + dx, grip.y}, MouseButton::Left, heldCtrl);
    EXPECT_EQ(b->left(), a->left() + 1);

    // One more pixel right, without Ctrl: two away, the guide pulls b onto a's left edge and
    // shows while the button is held.
    grip = centre(*b);
    window.mousePress(grip, MouseButton::Left, held);
    window.mouseMove({grip.x + 1, grip.y}, held);
    EXPECT_EQ(b->left(), a->left());
    const std::vector<Guide> shown = window.guides();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], (Guide{Axis::Vertical, a->left(), a->top(), b->top() + b->height()}));
    window.mouseRelease({grip.x + 1, grip.y}, MouseButton::Left, held);
    EXPECT_TRUE(window.guides().empty());
}

TEST_F(DragGuides, TheTestedDialogsChildrenLineUpInsideItAndShowOnTheSurface) {
    auto* dialog = static_cast<TPTDialog*>(place("Dialog", {0, 0}));
    dialog->setBounds(20, 30, 120, 100);
    Control* a = place("Button", {dialog->left() + 10, dialog->top() + 20});
    Control* b = place("Button", {dialog->left() + 50, dialog->top() + 60});
    ASSERT_TRUE(a && b && b->parent() == dialog);
    const Point grip = centre(*b);
    const int dy = a->top() + 2 - b->top();
    const ShiftState held(ShiftState::LeftButton);
    window.mousePress(grip, MouseButton::Left, held);
    window.mouseMove({grip.x, grip.y + dy}, held);
    EXPECT_EQ(b->top(), a->top());
    bool onSurface = false;
    for (const Guide& g : window.guides())
        onSurface |= g.axis == Axis::Horizontal && g.at == dialog->top() + a->top();
    EXPECT_TRUE(onSurface);
    window.mouseRelease({grip.x, grip.y + dy}, MouseButton::Left, held);
}

} // namespace
} // namespace ornadeck
