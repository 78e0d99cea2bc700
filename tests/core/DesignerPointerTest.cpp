#include "designer/FormEditor.h"
#include "model/Form.h"
#include "support/FormEditorFixture.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

using DesignerPointer = test::FormEditorFixture;

constexpr ShiftState kLeft{ShiftState::LeftButton};
constexpr ShiftState kNone{};

TEST_F(DesignerPointer, RightClickSelectsTheControlTheMenuThenActsOn) {
    Control* b = place("Button", {10, 10});
    Control* c = place("Button", {10, 60});
    click(b);
    click(centre(*c), 0, MouseButton::Right);
    EXPECT_EQ(workspace.selected.control, c);
    EXPECT_EQ(marked(), std::vector<Control*>{c});
    EXPECT_EQ(c->selectColor(), kBlue);
    window.deleteSelected(); // the popup's Delete
    EXPECT_FALSE(form.contains(c));
    EXPECT_TRUE(form.contains(b));
}

// However the release goes missing, the next plain move drags nothing and the next click
// is a click.
TEST_F(DesignerPointer, ALostReleaseLeavesNoDragRunning) {
    const struct {
        const char* how;
        void (*lose)(FormEditor&, Point);
    } cases[] = {
        {"grab lost", [](FormEditor& w, Point) { w.releaseCapture(); }},
        {"move without a button", [](FormEditor& w, Point p) { w.mouseMove(p, kNone); }},
        {"next press", [](FormEditor&, Point) {}},
    };
    for (const auto& c : cases) {
        Control* a = place("Button", {10, 10});
        Control* other = place("Button", {10, 80});
        const Point from = centre(*a);
        const int start = a->left();
        window.mousePress(from, MouseButton::Left, kLeft);
        window.mouseMove({from.x + 8, from.y}, kLeft);
        ASSERT_EQ(a->left(), start + 8) << c.how;
        c.lose(window, {from.x + 8, from.y});
        click(other);
        EXPECT_EQ(workspace.selected.control, other) << c.how;
        window.mouseMove({from.x + 30, from.y + 20}, kNone);
        EXPECT_EQ(a->left(), start + 8) << c.how;
        EXPECT_FALSE(window.handles().dragging()) << c.how;
        window.removeControl(*a);
        window.removeControl(*other);
    }
}

TEST_F(DesignerPointer, ReleaseCaptureEndsAPressAsItsReleaseWould) {
    Control* a = place("Button", {10, 10});
    window.mousePress(centre(*a), MouseButton::Left, kLeft);
    window.releaseCapture();
    window.releaseCapture(); // nothing left to end
    EXPECT_EQ(workspace.selected.control, a);
    // A press on the bare surface places the chosen tool's control on its release.
    workspace.tool = "Label";
    window.mousePress({100, 100}, MouseButton::Left, kLeft);
    window.releaseCapture();
    ASSERT_NE(workspace.selected.control, a);
    EXPECT_EQ(workspace.selected.control->classId(), ClassId::CCLabel);
    EXPECT_TRUE(workspace.tool.empty());
}

TEST_F(DesignerPointer, ADragFromTheBareSurfaceMovesAndResizesNothing) {
    Control* a = place("Button", {20, 20});
    const int l = a->left(), t = a->top(), w = a->width(), h = a->height();
    const Point edge{a->left() + a->width() - 1, centre(*a).y};
    for (Point to : {centre(*a), edge, Point{0, 0}, Point{150, 150}}) {
        drag({120, 120}, to);
        EXPECT_EQ(a->left(), l);
        EXPECT_EQ(a->top(), t);
        EXPECT_EQ(a->width(), w);
        EXPECT_EQ(a->height(), h);
    }
    EXPECT_TRUE(workspace.selected.isForm());
}

} // namespace
} // namespace ornadeck
