#include "designer/RubberBand.h"

#include "engine/Engine.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "support/FormEditorFixture.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

TEST(BandRectTest, TouchesSharesAPixelEitherWay) {
    const BandRect band = BandRect::between({30, 40}, {10, 20});
    EXPECT_EQ(band, (BandRect{10, 20, 30, 40}));
    const struct {
        int x, y, w, h;
        bool touched;
    } cases[] = {
        {0, 0, 10, 10, false}, {0, 0, 11, 21, true}, {30, 40, 5, 5, true},   {31, 20, 5, 5, false},
        {15, 41, 5, 5, false}, {15, 25, 2, 2, true}, {0, 0, 100, 100, true}, {5, 15, 5, 40, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(band.touches(c.x, c.y, c.w, c.h), c.touched) << c.x << "," << c.y;
}

class Band : public test::FormEditorFixture {
  protected:
    Band() { window.activate(); }
};

TEST_F(Band, MarksTheTouchedVisibleControlsAndKeepsTheSelectedAsReference) {
    Control* a = place("Button", {10, 10});
    Control* b = place("Button", {10, 60});
    Control* c = place("Button", {90, 60});
    Control* hidden = place("Label", {90, 10});
    hidden->setVisible(false);
    click(b);
    const Point from{5, 5}, to{100, 70};
    const ShiftState held(ShiftState::LeftButton);
    window.mousePress(from, MouseButton::Left, held);
    window.mouseMove(to, held);
    EXPECT_EQ(window.rubberBand(), BandRect::between(from, to));
    window.mouseRelease(to, MouseButton::Left, held);
    EXPECT_FALSE(window.rubberBand());
    EXPECT_EQ(marked(), (std::vector<Control*>{a, b, c}));
    EXPECT_EQ(workspace.selected.control, b); // it was selected and is marked
    EXPECT_EQ(b->selectColor(), kBlue);
    EXPECT_EQ(a->selectColor(), kNavy);

    drag({150, 150}, {140, 140}); // touches nothing: the form, nothing marked
    EXPECT_TRUE(marked().empty());
    EXPECT_EQ(workspace.selected.control, nullptr);

    drag({85, 55}, {150, 150}); // only c; the reference is the first marked
    drag({5, 5}, {20, 20}, ShiftState::Shift);
    EXPECT_EQ(marked(), (std::vector<Control*>{a, c}));
    EXPECT_EQ(workspace.selected.control, c); // selected before and still marked
    EXPECT_EQ(c->selectColor(), kBlue);
    EXPECT_EQ(window.history().undoCount(), 4u); // marking is no step
}

TEST_F(Band, ToolOrRightButtonMeansNoBand) {
    workspace.tool = "Button";
    drag({10, 10}, {60, 60});
    EXPECT_EQ(form.surfaceControls().size(), 1u); // placed where the button came up
    const std::vector<Control*> before = marked();
    drag({100, 100}, {150, 150}, 0, MouseButton::Right);
    EXPECT_EQ(marked(), before); // the new control stays the marked one
    EXPECT_FALSE(window.rubberBand());
}

TEST_F(Band, DialogChildrenAreTakenByTheDialogsRule) {
    workspace.library = Library::PToolboxLib;
    auto* dialog = static_cast<TPTDialog*>(place("Dialog", {40, 40}));
    workspace.tool = "Button";
    window.surfaceMouseUp(*dialog, MouseButton::Left, 10, 20);
    Control* inside = workspace.selected.control;
    ASSERT_EQ(inside->parent(), dialog);
    Control* outside = place("Label", {2, 2});

    drag({0, 0}, {dialog->left() + 15, dialog->top() + 25});
    EXPECT_EQ(marked(), (std::vector<Control*>{inside, outside}));
    EXPECT_FALSE(dialog->selected());
    EXPECT_EQ(inside->selectColor(), kRed); // first in its dialog
    EXPECT_EQ(outside->selectColor(), kBlue);

    drag({159, 159}, {dialog->left() + dialog->width() - 2,
                      dialog->top() + dialog->height() - 2}); // a corner, none of its children
    EXPECT_EQ(marked(), std::vector<Control*>{dialog});

    // A second dialog, in the same place, puts the first away with its children.
    Control* second = place("Dialog", {100, 100});
    drag({0, 0}, {dialog->left() + 15, dialog->top() + 25});
    EXPECT_EQ(marked(), (std::vector<Control*>{outside, second}));
}

} // namespace
} // namespace ornadeck
