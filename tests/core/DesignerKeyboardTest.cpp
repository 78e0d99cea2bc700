#include "designer/GridMode.h"
#include "engine/Engine.h"
#include "model/Form.h"
#include "support/FormEditorFixture.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

class Keys : public test::FormEditorFixture {
  protected:
    Keys() { window.activate(); }
    struct Box {
        int left, top, width, height;
        bool operator==(const Box&) const = default;
    };
    static Box box(const Control* c) { return {c->left(), c->top(), c->width(), c->height()}; }
};

TEST_F(Keys, ArrowsMoveAndSizeEveryMarkedControlByTheGridOrOnePixel) {
    Control* a = place("Button", {20, 20});
    Control* b = place("Button", {20, 60});
    click(a);
    click(b, ShiftState::Shift);
    struct Case {
        bool grid;
        DesignerKey key;
        std::uint8_t keys;
        Box change;
    };
    const Case cases[] = {
        {false, DesignerKey::Right, 0, {1, 0, 0, 0}},
        {true, DesignerKey::Right, 0, {4, 0, 0, 0}},
        {true, DesignerKey::Up, ShiftState::Ctrl, {0, -1, 0, 0}},
        {true, DesignerKey::Left, 0, {-4, 0, 0, 0}},
        {true, DesignerKey::Down, ShiftState::Shift, {0, 0, 0, 4}},
        {false, DesignerKey::Left, ShiftState::Shift, {0, 0, -1, 0}},
        {true, DesignerKey::Right, ShiftState::Shift | ShiftState::Ctrl, {0, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        setGridMode(workspace, c.grid);
        const Box before = box(a), beforeB = box(b);
        EXPECT_TRUE(window.keyPress(c.key, c.keys));
        const Box want{before.left + c.change.left, before.top + c.change.top,
                       before.width + c.change.width, before.height + c.change.height};
        EXPECT_EQ(box(a), want);
        EXPECT_EQ(box(b).left - beforeB.left, c.change.left); // every marked control
    }
    EXPECT_EQ(marked(), (std::vector<Control*>{a, b})); // the marks stay through the run
    EXPECT_EQ(window.history().undoCount(), 4u);        // two places, the move run, the size run
}

TEST_F(Keys, ARunOfPressesIsOneStepAndSizesStopAtOnePixel) {
    Control* a = place("Image", {20, 20});
    click(a);
    const int left = a->left();
    for (int i = 0; i < 5; ++i)
        window.keyPress(DesignerKey::Right, {});
    EXPECT_EQ(window.history().undoCount(), 2u);
    EXPECT_EQ(window.history().undoLabel(), "Move Image1");
    for (int i = 0; i < 200; ++i)
        window.keyPress(DesignerKey::Left, ShiftState::Shift);
    EXPECT_EQ(a->width(), 1);
    EXPECT_EQ(window.history().undoCount(), 3u);
    ASSERT_TRUE(window.undo());
    ASSERT_TRUE(window.undo());
    EXPECT_EQ(form.findByName("Image1")->left(), left);
}

TEST_F(Keys, NothingMarkedMovesNothing) {
    place("Button", {20, 20});
    click({150, 150});
    window.keyPress(DesignerKey::Down, {});
    EXPECT_EQ(window.history().undoCount(), 1u);
}

TEST_F(Keys, TabWalksTheControlListBothWaysAndEscapeRaisesTheTool) {
    Control* a = place("Button", {20, 20});
    Control* b = place("Label", {20, 60});
    Control* c = place("CheckBox", {20, 100});
    click({150, 150});
    const std::pair<std::uint8_t, Control*> walk[] = {
        {0, a}, {0, b}, {0, c}, {0, a}, {ShiftState::Shift, c}, {ShiftState::Shift, b}};
    for (auto [keys, expected] : walk) {
        EXPECT_TRUE(window.keyPress(DesignerKey::Tab, keys));
        EXPECT_EQ(workspace.selected.control, expected);
        EXPECT_EQ(marked(), std::vector<Control*>{expected});
    }
    click({150, 150});
    window.keyPress(DesignerKey::Tab, ShiftState::Shift);
    EXPECT_EQ(workspace.selected.control, c); // from the form, backwards starts at the end

    EXPECT_FALSE(window.keyPress(DesignerKey::Escape, {}));
    workspace.chooseTool("Button", true);
    EXPECT_TRUE(window.keyPress(DesignerKey::Escape, {}));
    EXPECT_TRUE(workspace.tool.empty());
    EXPECT_FALSE(workspace.toolLocked);
}

TEST_F(Keys, ALockedToolPlacesUntilItIsRaised) {
    workspace.chooseTool("Button", true);
    click({10, 10});
    click({10, 60});
    EXPECT_EQ(form.surfaceControls().size(), 2u);
    EXPECT_EQ(workspace.tool, "Button");
    workspace.chooseTool("Label", false); // another tool unlocks
    click({80, 10});
    EXPECT_TRUE(workspace.tool.empty());
    workspace.chooseTool("", true);
    EXPECT_FALSE(workspace.toolLocked); // the pointer is never locked
}

} // namespace
} // namespace ornadeck
