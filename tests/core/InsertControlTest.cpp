// Placing a control by keyboard: Edit > Insert Control.
#include "designer/FreePlace.h"
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

} // namespace
} // namespace ornadeck
