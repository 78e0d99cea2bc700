// Placing a control without a click: Edit > Insert Control, and a drop from the toolbar.
#include "designer/FreePlace.h"
#include "designer/GridMode.h"
#include "model/TPTDialog.h"
#include "support/FormEditorFixture.h"

namespace ornadeck {
namespace {

TEST(FirstFreePoint, ScansRowsFromTheTopLeftOnTheGrid) {
    const Box area{0, 15, 160, 145};
    const Box button{0, 0, 40, 12};
    struct Case {
        const char* what;
        std::vector<Box> taken;
        Box size;
        std::optional<Point> expected;
    };
    const std::vector<Case> cases = {
        {"empty screen", {}, button, Point{0, 15}},
        {"first spot taken", {{0, 15, 40, 12}}, button, Point{40, 15}},
        {"touching is not covering", {{0, 15, 41, 12}}, button, Point{44, 15}},
        {"first row full", {{0, 15, 160, 12}}, button, Point{0, 27}},
        {"offset kind", {}, Box{-3, 2, 20, 10}, Point{4, 15}}, // its box starts 3 left
        {"full screen", {{0, 0, 160, 160}}, button, std::nullopt},
        {"bigger than the screen", {}, Box{0, 0, 170, 12}, std::nullopt},
        {"only the last row", {{0, 15, 160, 128}}, button, Point{0, 143}},
        {"flush with the right edge", {{0, 15, 120, 145}}, button, Point{120, 15}},
        {"flush with the bottom edge", {{0, 15, 160, 132}}, Box{0, 0, 40, 13}, Point{0, 147}},
    };
    for (const Case& c : cases) {
        const auto at = firstFreePoint(area, c.size, c.taken, 4);
        EXPECT_EQ(at.value_or(Point{-1, -1}), c.expected.value_or(Point{-1, -1})) << c.what;
    }
}

class InsertControlTest : public test::FormEditorFixture {};

TEST_F(InsertControlTest, PlacesAsAClickWouldWithoutCoveringAnotherAndKeepsTheTool) {
    workspace.chooseTool("Label", true);
    window.insertControl("Button");
    Control* first = workspace.selected.control;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name(), "Button1");
    EXPECT_EQ(window.history().undoLabel(), "Place Button1");
    EXPECT_EQ(workspace.tool, "Label");
    EXPECT_TRUE(workspace.toolLocked);

    window.insertControl("Button");
    Control* second = workspace.selected.control;
    ASSERT_NE(second, first);
    const Box a{first->left(), first->top(), first->width(), first->height()};
    const Box b{second->left(), second->top(), second->width(), second->height()};
    EXPECT_FALSE(a.overlaps(b));
    EXPECT_GE(a.top, 15);
    EXPECT_EQ(window.history().undoCount(), 2u);
    window.insertControl("NoSuchKind");
    EXPECT_EQ(window.history().undoCount(), 2u);
}

TEST_F(InsertControlTest, GoesIntoTheTestedDialogAndOnAFullScreenStillPlaces) {
    window.insertControl("Dialog");
    auto* dialog = dynamic_cast<TPTDialog*>(workspace.selected.control);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(form.currentDialog(), dialog);
    window.insertControl("Button");
    EXPECT_EQ(workspace.selected.control->parent(), dialog);

    // A screen covered from edge to edge: the new control goes to the first point anyway.
    form.setCurrentDialog(nullptr);
    for (int i = 0; i < 40 && form.surface().children().size() < 60; ++i)
        window.insertControl("Button");
    const std::size_t before = form.surface().children().size();
    window.insertControl("Button");
    EXPECT_EQ(form.surface().children().size(), before + 1);
}

TEST_F(InsertControlTest, ADropPlacesWhereAClickWouldAndOutsideTheScreenNothing) {
    setGridMode(workspace, true);
    workspace.chooseTool("Label", false);
    struct Case {
        Point drop;
        bool placed;
        Point userAt; // where a click with the tool down puts it
    } cases[] = {{{30, 41}, true, {32, 40}},
                 {{-3, 50}, false, {}},
                 {{50, 161}, false, {}},
                 {{159, 159}, true, {160, 160}}};
    for (const Case& c : cases) {
        const std::size_t before = form.surface().children().size();
        EXPECT_EQ(window.dropControl("Button", c.drop), c.placed) << c.drop.x << "," << c.drop.y;
        ASSERT_EQ(form.surface().children().size(), before + (c.placed ? 1 : 0));
        if (!c.placed) continue;
        Control* made = workspace.selected.control;
        EXPECT_EQ(made->userLeft(), c.userAt.x);
        EXPECT_EQ(made->userTop(), c.userAt.y);
    }
    EXPECT_EQ(workspace.tool, "Label"); // the chosen tool is not the dropped one

    // Dropped on the tested dialog, even over one of its controls, it goes inside.
    setGridMode(workspace, false);
    window.dropControl("Dialog", {10, 30});
    auto* dialog = dynamic_cast<TPTDialog*>(workspace.selected.control);
    ASSERT_NE(dialog, nullptr);
    const Point inside{dialog->left() + 20, dialog->top() + 30};
    ASSERT_TRUE(window.dropControl("Button", inside));
    Control* child = workspace.selected.control;
    EXPECT_EQ(child->parent(), dialog);
    EXPECT_EQ(child->userLeft(), 20);
    ASSERT_TRUE(window.dropControl("Label", {inside.x + 2, inside.y + 2}));
    EXPECT_EQ(workspace.selected.control->parent(), dialog);
}

} // namespace
} // namespace ornadeck
