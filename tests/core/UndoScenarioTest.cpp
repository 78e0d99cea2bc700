#include "designer/Clipboard.h"
#include "designer/GridMode.h"
#include "designer/LayoutCommands.h"
#include "engine/Engine.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "support/FormEditorFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

class Undo : public test::FormEditorFixture {
  protected:
    Undo() { window.activate(); }
    std::string bytes() const { return formToIni(form, *kits.current().sections).toText(); }
    void select(Control* c) { window.controlMouseDown(*c, ShiftState::LeftButton); }
    // Places on the surface itself, wherever other controls lie.
    Control* put(const std::string& tool, int x, int y) {
        workspace.tool = tool;
        window.surfaceMouseUp(form.surface(), MouseButton::Left, x, y);
        return workspace.selected.control;
    }
    void undoAll(std::vector<std::string>* states = nullptr) {
        while (window.history().canUndo()) {
            ASSERT_TRUE(window.undo());
            if (states) states->push_back(bytes());
        }
    }

    Clipboard clipboard{workspace, kits};
    LayoutCommands layout{workspace, ui};
};

TEST_F(Undo, LongSessionUndoesToTheEmptyFormAndRedoesToTheLastByte) {
    const std::string empty = bytes();
    setGridMode(workspace, true);
    std::vector<Control*> placed;
    for (int i = 0; i < 20; ++i)
        placed.push_back(put(i % 2 ? "Label" : "Button", 8 + (i % 4) * 36, 4 + (i / 4) * 28));
    drag(centre(*placed[0]), {centre(*placed[0]).x + 9, centre(*placed[0]).y + 5});
    Control* b = placed[2];
    drag({b->left() + b->width() - 1, b->top() + 5}, {b->left() + b->width() + 11, b->top() + 5});
    select(placed[4]);
    window.controlMouseDown(*placed[9], ShiftState::Shift | ShiftState::LeftButton);
    window.edit("Align Left", [&] { layout.alignOrSize(form, AlignCommand::Left); });
    select(placed[6]);
    window.deleteSelected();
    select(placed[10]);
    const auto copied = clipboard.copy();
    ASSERT_TRUE(copied);
    ASSERT_TRUE(clipboard.paste(window, *copied));
    select(placed[12]);
    ASSERT_TRUE(window.setProperty("Content", "Go"));
    ASSERT_TRUE(window.setProperty("Content", "Gone")); // typing on in the same cell
    put("ListBox", 100, 130);
    ui.editedItems = std::vector<std::string>{"one", "two"};
    ASSERT_TRUE(window.editItems());
    window.keyPress(DesignerKey::Right, {});
    window.keyPress(DesignerKey::Right, {});
    window.keyPress(DesignerKey::Right, ShiftState::Shift);

    const std::string full = bytes();
    EXPECT_EQ(window.history().undoLabel(), "Resize ListBox22");
    // 20 places, move, resize, align, delete, paste, caption, place, items, move run, resize
    EXPECT_EQ(window.history().undoCount(), 30u);
    std::vector<std::string> states{full};
    undoAll(&states);
    EXPECT_EQ(bytes(), empty);
    EXPECT_TRUE(form.surfaceControls().empty());
    EXPECT_FALSE(window.modified()); // back where the new form started

    for (auto it = states.rbegin() + 1; it != states.rend(); ++it) {
        ASSERT_TRUE(window.redo());
        ASSERT_EQ(bytes(), *it);
    }
    EXPECT_EQ(bytes(), full);
    EXPECT_FALSE(window.history().canRedo());
}

TEST_F(Undo, RestoresMarksSelectionTestedDialogAndHiddenMenusButNeverTheCounterBackwards) {
    workspace.library = Library::PToolboxLib;
    Control* first = place("Dialog", {10, 10});
    Control* beside = place("Button", {20, 20}); // above the dialog, on the surface
    click(first);
    click(beside, ShiftState::Shift);
    const int counter = workspace.nameCounter;
    window.edit("Move", [&] { beside->setLeft(beside->left() + 4); });
    workspace.selected = Selection{&form, nullptr};
    ASSERT_TRUE(window.undo());
    Control* dialog = form.findByName("Dialog1");
    Control* button = form.findByName("Button2");
    ASSERT_TRUE(dialog && button);
    EXPECT_EQ(form.currentDialog(), dialog);
    EXPECT_TRUE(dialog->visible());
    EXPECT_TRUE(dialog->selected());
    EXPECT_TRUE(button->selected());
    EXPECT_EQ(button->selectColor(), kNavy);
    EXPECT_EQ(workspace.selected.control, button);
    EXPECT_EQ(window.remembered().control, button);
    EXPECT_EQ(workspace.nameCounter, counter);

    // A second dialog puts the first away; undo brings back which one is shown.
    place("Dialog", {40, 40});
    EXPECT_FALSE(form.findByName("Dialog1")->visible());
    ASSERT_TRUE(window.undo());
    EXPECT_TRUE(form.findByName("Dialog1")->visible());
    EXPECT_EQ(form.currentDialog(), form.findByName("Dialog1"));
    EXPECT_GE(workspace.nameCounter, counter + 1); // Dialog3's number is never handed out again
    place("Button", {100, 100});
    EXPECT_EQ(workspace.selected.control->name(), "Button4");
}

TEST_F(Undo, ASelectionOnAnotherFormStaysWhereItIs) {
    Form& other = addForm("Form2");
    FormEditor second{workspace, ui, kits, other};
    second.activate();
    Control* there = place("Button", {10, 10}); // placed through `window`, on Form1
    second.activate();
    workspace.tool = "Label";
    second.surfaceMouseUp(other.surface(), MouseButton::Left, 20, 20);
    Control* label = workspace.selected.control;
    ASSERT_EQ(label->owner(), &other);
    window.edit("Move", [&] { there->setLeft(40); });
    ASSERT_TRUE(window.undo());
    EXPECT_EQ(workspace.selected.form, &other);
    EXPECT_EQ(workspace.selected.control, label);
}

TEST_F(Undo, SelectionAloneAndCommandsThatChangeNothingMakeNoStep) {
    Control* a = place("Button", {10, 10});
    Control* b = place("Button", {10, 60});
    click(a);
    click(b, ShiftState::Shift);
    click({150, 150});
    window.edit("Align Left", [&] { layout.alignOrSize(form, AlignCommand::Left); });
    window.sendToBack(); // the form is selected: nothing to do
    EXPECT_EQ(window.history().undoCount(), 2u);
    EXPECT_EQ(window.history().undoLabel(), "Place Button2");
}

TEST_F(Undo, SavesAreTheStateUndoComesBackTo) {
    test::TempDir dir;
    place("Button", {10, 10});
    EXPECT_TRUE(window.modified());
    ui.files.push_back(dir.path() / "One.ozf");
    ASSERT_EQ(window.save(false), SaveResult::Saved);
    EXPECT_FALSE(window.modified());
    ASSERT_TRUE(window.undo());
    EXPECT_TRUE(window.modified()); // undo after save: unsaved again
    ASSERT_TRUE(window.redo());
    EXPECT_FALSE(window.modified());
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "One.ozf"));

    // A save by another command (the project's) is noticed too.
    place("Button", {10, 60});
    ASSERT_TRUE(saveFormFile(form, dir.path() / "One.ozf", *kits.current().sections));
    form.noteSaved();
    EXPECT_FALSE(window.modified());
}

TEST_F(Undo, DragIsOneStepAndNoUndoHappensMidDrag) {
    Control* b = place("Button", {10, 10});
    const int left = b->left();
    const Point from = centre(*b);
    const ShiftState held(ShiftState::LeftButton);
    window.mousePress(from, MouseButton::Left, held);
    window.mouseMove({from.x + 3, from.y}, held);
    EXPECT_FALSE(window.undo()); // the drag owns the form until its release
    window.mouseMove({from.x + 9, from.y + 2}, held);
    window.mouseRelease({from.x + 9, from.y + 2}, MouseButton::Left, held);
    EXPECT_EQ(window.history().undoLabel(), "Move Button1");
    EXPECT_EQ(window.history().undoCount(), 2u);
    ASSERT_TRUE(window.undo());
    EXPECT_EQ(form.findByName("Button1")->left(), left);
}

TEST_F(Undo, CutIsAStepAndUndoBringsTheControlBack) {
    Control* b = place("Button", {10, 10});
    select(b);
    ASSERT_TRUE(clipboard.cut(window));
    EXPECT_EQ(window.history().undoLabel(), "Cut Button1");
    ASSERT_TRUE(window.undo());
    ASSERT_NE(form.findByName("Button1"), nullptr);
    EXPECT_EQ(form.components().size(), 2u); // the control and the form
}

} // namespace
} // namespace ornadeck
