// The Objects tree: what it lists, and what its commands do to a form.
#include "workbench/ObjectTree.h"

#include "support/InspectorFixture.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

using test::Strings;

class ObjectTreeTest : public test::InspectorFixture {
  protected:
    // Each line of the tree, indented by two spaces a level.
    Strings lines() const {
        Strings out;
        const auto walk = [&](const auto& self, const std::vector<ObjectNode>& nodes,
                              const std::string& indent) -> void {
            for (const ObjectNode& n : nodes) {
                out.push_back(indent + n.text);
                self(self, n.children, indent + "  ");
            }
        };
        walk(walk, objectTree(workspace, *kits.current().engine), "");
        return out;
    }
};

TEST_F(ObjectTreeTest, FormsListTheirControlsInStackingOrderWithDialogsAndMenus) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    FormEditor& editor = editorOf(main);
    Control* button = place(main, "Button");
    Control* dialog = place(main, "Dialog");
    Control* inside = place(main, "Label", dialog);
    Form& other = newForm("Other");
    Control* field = place(other, "Field");
    ASSERT_EQ(inside->parent(), dialog);
    EXPECT_EQ(
        lines(),
        (Strings{"Main", "  " + button->name() + ": Button", "  " + dialog->name() + ": Dialog",
                 "    " + inside->name() + ": Label", "Other", "  " + field->name() + ": Field"}));

    // Bring to Front and delete show at once.
    workspace.activeForm = &main;
    editor.chooseControls(button, {button});
    editor.bringToFront();
    EXPECT_EQ(lines()[1], "  " + dialog->name() + ": Dialog");
    EXPECT_EQ(lines()[3], "  " + button->name() + ": Button");
    editor.deleteControls({dialog});
    EXPECT_EQ(lines(), (Strings{"Main", "  " + button->name() + ": Button", "Other",
                                "  " + field->name() + ": Field"}));

    // A hidden (closed) form is not listed.
    other.setVisible(false);
    EXPECT_EQ(lines().size(), 2u);
}

TEST_F(ObjectTreeTest, ACControlsFormListsItsMenuBarAndMenusAfterItsControls) {
    use(Library::CControls);
    Form& form = newForm("Main");
    Control* button = place(form, "Button");
    place(form, "Menu");
    place(form, "Menu");
    const Strings got = lines();
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[1], "  " + button->name() + ": Button");
    EXPECT_EQ(got[2].substr(got[2].find(':')), ": MenuBar");
    EXPECT_EQ(got[3].substr(got[3].find(':')), ": Menu");
    EXPECT_EQ(got[4].substr(got[4].find(':')), ": Menu");
}

TEST_F(ObjectTreeTest, RestackingMovesAmongSiblingsOnlyAsOneUndoStep) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    FormEditor& editor = editorOf(form);
    Control* a = place(form, "Button");
    Control* b = place(form, "Label");
    Control* dialog = place(form, "Dialog");
    Control* inside = place(form, "Field", dialog);
    const std::size_t steps = editor.history().undoCount();

    struct Case {
        Control* moved;
        int index;
        bool moves;
    } cases[] = {{a, 2, true},   {a, 2, false},     {dialog, 0, true}, {a, 3, false},
                 {b, -1, false}, {inside, 0, false}}; // inside is alone in its dialog
    for (const Case& c : cases)
        EXPECT_EQ(editor.moveInStack(*c.moved, c.index), c.moves) << c.moved->name() << c.index;
    const auto& children = form.surface().children();
    EXPECT_EQ(children[0].get(), dialog);
    EXPECT_EQ(children[1].get(), b);
    EXPECT_EQ(children[2].get(), a);
    EXPECT_EQ(inside->parent(), dialog);
    EXPECT_EQ(editor.history().undoCount(), steps + 2);
    EXPECT_EQ(editor.history().undoLabel(), "Reorder " + dialog->name());
    const std::string labelName = b->name();
    ASSERT_TRUE(editor.undo()); // every control is made anew: only names are kept
    EXPECT_EQ(lines()[1], "  " + labelName + ": Label");
}

TEST_F(ObjectTreeTest, RenameAndDeleteGoThroughTheInspectorsRules) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    FormEditor& editor = editorOf(form);
    Control* a = place(form, "Button");
    Control* b = place(form, "Button");
    const std::size_t steps = editor.history().undoCount();
    EXPECT_TRUE(editor.rename(a, "OkButton"));
    EXPECT_EQ(a->name(), "OkButton");
    EXPECT_EQ(editor.history().undoCount(), steps + 1);

    // A clash or a bad name is refused with the inspector's message, and changes nothing.
    for (const char* bad : {"OkButton", "1st", ""}) {
        ui.messages.clear();
        EXPECT_FALSE(editor.rename(b, bad)) << bad;
        EXPECT_EQ(ui.messages.size(), 1u) << bad;
        EXPECT_NE(b->name(), "OkButton");
    }
    EXPECT_EQ(editor.history().undoCount(), steps + 1);

    // The form itself renames as its Name row does.
    EXPECT_TRUE(editor.rename(nullptr, "Start"));
    EXPECT_EQ(form.name(), "Start");

    editor.chooseControls(b, {a, b});
    EXPECT_TRUE(a->selected() && b->selected());
    EXPECT_EQ(chosenControls(workspace.selected), (std::vector<Control*>{a, b}));
    editor.deleteControls({a, b});
    EXPECT_TRUE(form.surface().children().empty());
    EXPECT_EQ(editor.history().undoLabel(), "Delete 2 controls");
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(form.surface().children().size(), 2u);
}

TEST(StackIndexAfterDrop, LandsNextToTheTargetCountingTheMovedOneOut) {
    struct Case {
        int from, target;
        DropSide side;
        int index;
    } cases[] = {
        {0, 2, DropSide::Below, 2}, {0, 2, DropSide::Above, 1}, {3, 1, DropSide::Above, 1},
        {3, 1, DropSide::Below, 2}, {1, 3, DropSide::On, 3},    {2, 0, DropSide::On, 0},
        {2, 2, DropSide::Above, 2}, {2, 2, DropSide::Below, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stackIndexAfterDrop(c.from, c.target, c.side), c.index)
            << c.from << " " << c.target << " " << static_cast<int>(c.side);
}

} // namespace
} // namespace ornadeck
