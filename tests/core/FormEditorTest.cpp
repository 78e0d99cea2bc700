#include "designer/FormEditor.h"

#include "designer/GridMode.h"
#include "designer/LayoutCommands.h"
#include "designer/WindowPlacement.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "support/FormEditorFixture.h"
#include "support/TempDir.h"
#include "workbench/Inspector.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace ornadeck {
namespace {

using FormEditorTest = test::FormEditorFixture;

TEST_F(FormEditorTest, GridModeSnapsThePlacementPoint) {
    setGridMode(workspace, true);
    const std::pair<Point, Point> cases[] = {
        {{6, 2}, {8, 0}}, {{14, 5}, {16, 4}}, {{10, 10}, {8, 8}}, {{30, 31}, {32, 32}}};
    for (auto [click, placed] : cases) {
        Control* b = place("Button", click);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->userLeft(), placed.x);
        EXPECT_EQ(b->userTop(), placed.y);
        EXPECT_EQ(marked(), std::vector<Control*>{b}); // the new control alone is marked
        window.deleteSelected();
    }
    EXPECT_TRUE(workspace.tool.empty()); // each placement needs a new press of the tool
}

TEST_F(FormEditorTest, PlainShiftAndCtrlClicksMarkTheSelection) {
    Control* a = place("Button", {10, 10});
    Control* b = place("Button", {10, 60});
    Control* c = place("Button", {80, 60});

    click(a);
    click(b);
    EXPECT_EQ(marked(), std::vector<Control*>{b});
    EXPECT_EQ(b->selectColor(), kBlue);

    click(a);
    click(b, ShiftState::Shift);
    EXPECT_EQ(marked(), (std::vector<Control*>{a, b}));
    EXPECT_EQ(a->selectColor(), kBlue);
    EXPECT_EQ(b->selectColor(), kNavy);
    click(b, ShiftState::Shift); // already marked: keeps its colour
    EXPECT_EQ(b->selectColor(), kNavy);
    EXPECT_EQ(workspace.selected.control, b);

    click(c, ShiftState::Ctrl); // Ctrl-click is a plain click
    EXPECT_EQ(marked(), std::vector<Control*>{c});

    click({150, 150}); // the bare surface: the form, nothing marked
    EXPECT_TRUE(workspace.selected.isForm());
    EXPECT_TRUE(marked().empty());
}

TEST_F(FormEditorTest, ShiftClickedPairAlignsRightToTheBlueOne) {
    Control* a = place("Button", {10, 20});
    Control* b = place("Button", {40, 60});
    a->setUserWidth(20);
    b->setUserWidth(30);
    click(a);
    click(b, ShiftState::Shift);
    LayoutCommands(workspace, ui).alignOrSize(form, AlignCommand::Right);
    EXPECT_EQ(b->userLeft(), 0);
    EXPECT_EQ(a->userLeft(), 10);
    EXPECT_EQ(marked(), (std::vector<Control*>{a, b}));
    LayoutCommands(workspace, ui).alignOrSize(form, AlignCommand::Width);
    EXPECT_EQ(b->userWidth(), 20);
    EXPECT_EQ(marked(), (std::vector<Control*>{a, b})); // the resize did not re-mark midway
}

TEST_F(FormEditorTest, DragsSnapTheDeltaInGridModeUnlessCtrlIsHeld) {
    setGridMode(workspace, true);
    Control* img = place("Image", {40, 40});
    const MouseButton L = MouseButton::Left, R = MouseButton::Right;
    const struct {
        int fromX, dx;
        std::uint8_t keys;
        MouseButton button;
        int moved;
    } cases[] = {
        {51, 5, 0, L, 4},
        {51, 6, 0, L, 8},
        {51, 2, 0, L, 0},
        {51, -6, 0, L, -8},
        {51, 5, ShiftState::Ctrl, L, 5},
        {51, 6, 0, R, 8},                 // the right button drags too
        {59, 6, ShiftState::Shift, L, 8}, // on the right band, Shift still moves
    };
    for (const auto& c : cases) {
        img->setBounds(41, 40, 20, 20); // off the grid: the offset survives the move
        drag({c.fromX, 50}, {c.fromX + c.dx, 50}, c.keys, c.button);
        EXPECT_EQ(img->left(), 41 + c.moved) << c.fromX << "+" << c.dx;
        EXPECT_EQ(img->width(), 20);
    }
}

TEST_F(FormEditorTest, ResizesFromEachEdgeAndCornerOfTheTestedDialog) {
    auto* d = place("Dialog", {0, 0});
    ASSERT_TRUE(d && d->isDialog());
    // Clear of the screen's edges and centre lines, which would pull a dragged edge onto them.
    d->setBounds(20, 30, 100, 90);
    const int l = d->left(), t = d->top(), r = l + d->width() - 1, b = t + d->height() - 1;
    const int mx = l + d->width() / 2, my = t + d->height() / 2;
    const struct {
        Point from;
        int dLeft, dTop, dWidth, dHeight;
    } cases[] = {
        {{l, my}, 3, 0, -3, 0}, {{r, my}, 0, 0, 3, 0},  {{mx, t}, 0, 3, 0, -3},
        {{mx, b}, 0, 0, 0, 3},  {{l, t}, 3, 3, -3, -3}, {{r, t}, 0, 3, 3, -3},
        {{l, b}, 3, 0, -3, 3},  {{r, b}, 0, 0, 3, 3},
    };
    for (const auto& c : cases) {
        d->setBounds(l, t, r - l + 1, b - t + 1);
        drag(c.from, {c.from.x + 3, c.from.y + 3});
        EXPECT_EQ(d->left(), l + c.dLeft) << c.from.x << "," << c.from.y;
        EXPECT_EQ(d->top(), t + c.dTop);
        EXPECT_EQ(d->width(), r - l + 1 + c.dWidth);
        EXPECT_EQ(d->height(), b - t + 1 + c.dHeight);
        EXPECT_TRUE(d->selected()); // the resize re-marked the selection
    }
}

TEST_F(FormEditorTest, ClickInsideTheTestedDialogPlacesItsChild) {
    auto* d = static_cast<TPTDialog*>(place("Dialog", {0, 0}));
    Control* b = place("Button", {d->left() + 20, d->top() + 15});
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->parent(), d);
    EXPECT_EQ(b->userLeft(), 20);
    EXPECT_EQ(b->userTop(), 15);
    EXPECT_EQ(b->selectColor(), kRed);

    // Its child is hit before the dialog, and drags within the dialog.
    const int left = b->left();
    drag(centre(*b), {centre(*b).x + 8, centre(*b).y});
    EXPECT_EQ(b->left(), left + 8);
    EXPECT_EQ(b->parent(), d);
}

TEST_F(FormEditorTest, DeleteLeavesTheFormAloneAndClearsTheTestedDialog) {
    Control* a = place("Button", {10, 10});
    auto* d = place("Dialog", {0, 0});
    click({150, 5});
    ASSERT_TRUE(workspace.selected.isForm());
    window.deleteSelected(); // the form itself: nothing happens
    EXPECT_EQ(form.surface().children().size(), 2u);

    click(d);
    // The Delete key is the same command, and says it did something, so the view redraws.
    EXPECT_TRUE(window.keyPress(DesignerKey::Delete, ShiftState(0)));
    EXPECT_EQ(form.currentDialog(), nullptr);
    EXPECT_FALSE(form.contains(d));
    EXPECT_TRUE(workspace.selected.isForm());
    EXPECT_TRUE(window.remembered().empty());
    EXPECT_TRUE(form.contains(a));
}

TEST_F(FormEditorTest, BringToFrontAndSendToBackRestack) {
    Control* a = place("Button", {10, 10});
    Control* b = place("Button", {10, 40});
    Control* c = place("Button", {10, 70});
    auto order = [&] {
        std::vector<Control*> out;
        for (const auto& ch : form.surface().children())
            out.push_back(ch.get());
        return out;
    };
    click(a);
    window.bringToFront();
    EXPECT_EQ(order(), (std::vector<Control*>{b, c, a}));
    click(c);
    window.sendToBack();
    EXPECT_EQ(order(), (std::vector<Control*>{c, b, a}));
    EXPECT_EQ(form.components().front().control, c);
}

TEST_F(FormEditorTest, ClosingHidesTheFormOnlyWhenNothingIsLeftUnsaved) {
    test::TempDir temp;
    const std::filesystem::path saved = temp.path() / "Form1.ozf";
    const struct {
        Answer answer;
        std::optional<std::filesystem::path> chosen; // the save dialog's answer
        bool closed;
    } cases[] = {
        {Answer::Cancel, std::nullopt, false},
        {Answer::No, std::nullopt, true},
        {Answer::Yes, std::nullopt, false},                   // save dialog cancelled
        {Answer::Yes, temp.path() / "gone" / "x.ozf", false}, // the write fails
        {Answer::Yes, saved, true},
    };
    for (const auto& c : cases) {
        form.setVisible(true);
        ui.messages.clear();
        ui.answers = {c.answer};
        ui.files = {c.chosen};
        EXPECT_EQ(window.close(), c.closed);
        EXPECT_EQ(form.visible(), !c.closed);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages[0].text, "Save changes to form Form1?");
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    }
    EXPECT_EQ(form.filePath(), saved);
    EXPECT_TRUE(std::filesystem::exists(saved));
    // Once it has a file, Yes saves there without the save dialog (only the replace question).
    form.setVisible(true);
    ui.answers = {Answer::Yes, Answer::Yes};
    ui.files.clear();
    EXPECT_TRUE(window.close());
}

// What one form's editor does never reaches another form's selection, and with nothing
// done there is nothing to redo.
TEST_F(FormEditorTest, AnEditorActsOnItsOwnFormOnly) {
    EXPECT_FALSE(window.undo());
    EXPECT_FALSE(window.redo());
    Form& other = addForm("Other");
    FormEditor otherEditor(workspace, ui, kits, other);
    Control* button = place("Button", {10, 10});
    ASSERT_EQ(workspace.selected.control, button);
    otherEditor.deleteSelected();
    otherEditor.bringToFront();
    EXPECT_TRUE(form.contains(button));
    EXPECT_FALSE(otherEditor.history().canUndo());
}

TEST_F(FormEditorTest, GridModeReachesEveryFormAndItsDialogs) {
    Form& hidden = addForm("Form2");
    hidden.setVisible(false);
    auto* d = static_cast<TPTDialog*>(place("Dialog", {0, 0}));
    setGridMode(workspace, true);
    for (Form* f : {&form, &hidden}) {
        EXPECT_EQ(f->surface().gridVisible(), 1);
        EXPECT_EQ(f->surface().gridSpace(), 6);
    }
    EXPECT_EQ(d->gridVisible(), 1);
    FormEditor later{workspace, ui, kits, hidden};
    EXPECT_EQ(later.handles().gridSize(), 4);
    setGridMode(workspace, false);
    EXPECT_EQ(d->gridVisible(), 0);
    EXPECT_EQ(form.surface().gridVisible(), 0);
    drag({2, 2}, {3, 3}); // re-syncs the step
    EXPECT_EQ(window.handles().gridSize(), 1);
}

TEST_F(FormEditorTest, NewWindowsAppearBesideTheInspectorAndBelowTheToolbars) {
    const MainWindowMetrics m{150, 30};
    workspace.inspector = {true, 10, 0};
    placeNewDesignerWindow(form, workspace, m);
    EXPECT_EQ(form.windowLeft(), 162);

    const struct {
        Point at, shown;
    } cases[] = {{{0, 0}, {154, 34}}, {{20, 0}, {20, 34}}, {{0, 50}, {0, 50}}, {{5, 7}, {5, 7}}};
    for (const auto& c : cases) {
        workspace.inspector.shown = false;
        form.setWindowPosition(c.at.x, c.at.y);
        showDesignerWindow(form, workspace, m);
        EXPECT_EQ(form.windowLeft(), c.shown.x);
        EXPECT_EQ(form.windowTop(), c.shown.y);
        EXPECT_TRUE(workspace.inspector.shown);
    }
}

} // namespace
} // namespace ornadeck

namespace ornadeck {
namespace {

// A size typed in the inspector is a resize like any other: the window marks the selected
// control alone again, except while a layout command has the notifications off.
TEST_F(FormEditorTest, AnySizeChangeMarksTheSelectedControlAlone) {
    Control* a = place("Button", {10, 20});
    Control* b = place("Button", {10, 60});
    click(a);
    click(b, ShiftState::Shift);
    ASSERT_EQ(marked().size(), 2u);
    ASSERT_TRUE(window.engine().setProperty("Width", "60").ok()); // b is the selected one
    EXPECT_EQ(marked(), std::vector<Control*>{b});
    EXPECT_EQ(b->selectColor(), kBlue);

    click(a, ShiftState::Shift);
    form.setResizeNotifications(false);
    b->setWidth(30);
    EXPECT_EQ(marked().size(), 2u);
    form.setResizeNotifications(true);
}

} // namespace
} // namespace ornadeck

namespace ornadeck {
namespace {

// The popup's layout commands act on every marked control, so a right click on one of them
// keeps the marks; on a control not marked it marks that control alone.
TEST_F(FormEditorTest, ARightClickKeepsTheMarksOfAMarkedControl) {
    Control* a = place("Button", {10, 10});
    Control* b = place("Button", {40, 50});
    Control* c = place("Button", {70, 90});
    Control* d = place("Button", {100, 130});
    click(a);
    click(b, ShiftState::Shift);
    click(c, ShiftState::Shift);

    click(centre(*b), 0, MouseButton::Right);
    EXPECT_EQ(marked(), (std::vector<Control*>{a, b, c}));
    EXPECT_EQ(workspace.selected.control, b);
    EXPECT_EQ(a->selectColor(), kBlue); // still the reference
    EXPECT_EQ(b->selectColor(), kNavy);
    Inspector inspector(workspace, ui, kits, [this](Form&) { return &window; });
    inspector.sync();
    window.edit("Align Left",
                [&] { LayoutCommands(workspace, ui).alignOrSize(form, AlignCommand::Left); });
    EXPECT_EQ(b->left(), a->left());
    EXPECT_EQ(c->left(), a->left());
    // The inspector shows b where it went, not where it was.
    EXPECT_TRUE(inspector.sync());
    for (const PropertyRow& row : inspector.rows()) {
        if (row.name == "Left") {
            EXPECT_EQ(row.value, std::to_string(b->userLeft()));
        }
    }
    // An arrow key moves the marked controls: the rows are read again too.
    ASSERT_TRUE(window.keyPress(DesignerKey::Right, ShiftState(0)));
    EXPECT_TRUE(inspector.sync());

    click(centre(*d), 0, MouseButton::Right);
    EXPECT_EQ(marked(), std::vector<Control*>{d});
    EXPECT_EQ(workspace.selected.control, d);
    EXPECT_EQ(d->selectColor(), kBlue);
}

// Only a control that has the popup opens it: not the bare screen, not the device around
// it, not a menu or the menu bar, and one click asks once.
TEST_F(FormEditorTest, OnlyARightClickOnAControlAsksForThePopup) {
    Control* button = place("Button", {10, 60});
    Control* menu = place("Menu", {0, 0});
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->parent(), nullptr); // a window control, above the surface
    const Point onMenu{menu->left() - form.surface().left() + 2,
                       menu->top() - form.surface().top() + 2};
    struct Case {
        const char* where;
        Point at;
        MouseButton button;
        bool popup;
    };
    const Case cases[] = {
        {"control", centre(*button), MouseButton::Right, true},
        {"control, left button", centre(*button), MouseButton::Left, false},
        {"bare screen", {150, 150}, MouseButton::Right, false},
        {"device around the screen", {-3, 170}, MouseButton::Right, false},
        {"menu title", onMenu, MouseButton::Right, false},
    };
    for (const Case& c : cases) {
        click(button);
        click(c.at, 0, c.button);
        EXPECT_EQ(window.takePopupRequest(), c.popup) << c.where;
        EXPECT_FALSE(window.takePopupRequest()) << c.where;
    }
    EXPECT_TRUE(form.contains(button));
}

} // namespace
} // namespace ornadeck
