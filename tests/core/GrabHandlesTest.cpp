#include "designer/GrabHandles.h"

#include "designer/GridSnap.h"
#include "model/Control.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

TEST(GridSnap, GridSizeIsTheLargestPowerOfTwoNotAboveTheRequest) {
    const std::pair<int, int> cases[] = {{1, 1}, {3, 2}, {4, 4},  {6, 4},
                                         {9, 8}, {0, 0}, {-5, 0}, {100000, 16384}};
    for (auto [requested, stored] : cases) {
        GrabHandles g;
        g.setGridSize(requested);
        EXPECT_EQ(g.gridSize(), stored) << requested;
    }
}

TEST(GridSnap, SnapsToTheNearestMultipleWithHalvesToEven) {
    const std::pair<int, int> grid4[] = {{1, 0},  {2, 0},   {3, 4}, {6, 8},  {10, 8},
                                         {-2, 0}, {-6, -8}, {5, 4}, {14, 16}};
    for (auto [v, snapped] : grid4)
        EXPECT_EQ(snapToGrid(v, 4), snapped) << v;
    for (int v : {-7, 0, 3, 5, 159})
        EXPECT_EQ(snapToGrid(v, 1), v);
}

// A 20 x 20 control at (40, 40) of its parent, dragged with the grab handles.
class Handles : public testing::Test {
  protected:
    Handles() { target.setBounds(40, 40, 20, 20); }

    void hover(int x, int y, ShiftState s = {}) { g.move(&target, s, {40 + x, 40 + y}); }
    void drag(Point from, Point to, ShiftState keys = {}) {
        const ShiftState held(keys.flags | ShiftState::LeftButton);
        hover(from.x, from.y, keys);
        g.press(target, MouseButton::Left, held, {40 + from.x, 40 + from.y});
        g.move(nullptr, held, {40 + to.x, 40 + to.y});
        g.release(MouseButton::Left, held, {40 + to.x, 40 + to.y});
    }
    std::vector<int> bounds() const {
        return {target.left(), target.top(), target.width(), target.height()};
    }

    Control target{ClassId::CCButton};
    GrabHandles g;
};

TEST_F(Handles, EdgeBandsAndPointerShapes) {
    using E = EdgeMask;
    struct Case {
        int x, y;
        std::uint8_t edges;
        PointerShape pointer;
    } cases[] = {
        {3, 10, E::Left, PointerShape::SizeHorizontal},
        {10, 10, 0, PointerShape::Arrow}, // the middle is tested against the right edge
        {17, 10, E::Right, PointerShape::SizeHorizontal},
        {16, 10, 0, PointerShape::Arrow},
        {10, 0, E::Top, PointerShape::SizeVertical},
        {10, 19, E::Bottom, PointerShape::SizeVertical},
        {0, 0, E::Left | E::Top, PointerShape::SizeDiagonalDown},
        {19, 19, E::Right | E::Bottom, PointerShape::SizeDiagonalDown},
        {19, 2, E::Right | E::Top, PointerShape::SizeDiagonalUp},
        {1, 18, E::Left | E::Bottom, PointerShape::SizeDiagonalUp},
    };
    for (const Case& c : cases) {
        hover(c.x, c.y);
        EXPECT_EQ(g.edges(), EdgeMask{c.edges}) << c.x << "," << c.y;
        EXPECT_EQ(g.pointer(), c.pointer) << c.x << "," << c.y;
        hover(c.x, c.y, ShiftState::Shift);
        EXPECT_TRUE(g.edges().empty());
        EXPECT_EQ(g.pointer(), PointerShape::Arrow);
    }
}

TEST_F(Handles, ResizePastTheOppositeEdgeStopsAtOnePixel) {
    g.setGridSize(1);
    drag({1, 10}, {50, 10}); // left edge dragged far right: the right edge stays at 60
    EXPECT_EQ(bounds(), (std::vector<int>{59, 40, 1, 20}));
    target.setBounds(40, 40, 20, 20);
    drag({10, 18}, {10, -30}); // bottom edge dragged far up
    EXPECT_EQ(bounds(), (std::vector<int>{40, 40, 20, 1}));
    target.setBounds(40, 40, 20, 20);
    drag({10, 1}, {10, 90});
    EXPECT_EQ(bounds(), (std::vector<int>{40, 59, 20, 1}));
}

TEST_F(Handles, ShiftForcesAMoveAndRightButtonDrags) {
    g.setGridSize(1);
    drag({18, 10}, {21, 12}, ShiftState::Shift); // on the right band, but Shift
    EXPECT_EQ(bounds(), (std::vector<int>{43, 42, 20, 20}));

    target.setBounds(40, 40, 20, 20);
    hover(10, 10);
    g.press(target, MouseButton::Right, ShiftState::RightButton, {50, 50});
    g.move(nullptr, ShiftState::RightButton, {57, 53});
    EXPECT_EQ(target.left(), 47);
    EXPECT_EQ(target.top(), 43);
}

TEST_F(Handles, EventOrderOfOneDrag) {
    std::vector<std::string> events;
    g.onMouseDown = [&](Control&, MouseButton, ShiftState, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    g.onMouseMove = [&](Control&, ShiftState, int, int) { events.push_back("move"); };
    g.onMouseUp = [&](Control&, MouseButton, ShiftState, int, int) { events.push_back("up"); };
    g.onResize = [&](Control&) { events.push_back("resize"); };
    g.setGridSize(1);
    drag({18, 5}, {22, 5}); // the right band: a resize
    EXPECT_EQ(events, (std::vector<std::string>{"move", "down 18,5", "move", "resize", "up"}));
    EXPECT_FALSE(g.dragging());

    events.clear();
    drag({10, 10}, {12, 10}); // a move changes no size
    EXPECT_EQ(events, (std::vector<std::string>{"move", "down 10,10", "move", "up"}));
}

} // namespace
} // namespace ornadeck
