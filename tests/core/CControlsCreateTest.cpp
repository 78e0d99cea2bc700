#include "cclib/TCCButton.h"
#include "cclib/TCCDropDown.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCRadio.h"
#include "model/TPTDialog.h"
#include "support/CControlsFixture.h"

namespace ornadeck {
namespace {

using CControlsCreate = test::CControlsFixture;

TEST_F(CControlsCreate, EachKindGetsItsNameValuesAndPlace) {
    struct Case {
        const char* tool;
        const char* name;
        int left, top, width, height;
        const char* prop;
        const char* value;
    };
    const Case cases[] = {
        {"Button", "Button1", 19, 29, 40, 14, "Content", "Button1"},
        {"Label", "Label2", 20, 30, 32, 13, "Line", "White"},
        {"CheckBox", "CheckBox3", 20, 30, 58, 13, "Content", "CheckBox3"},
        {"Switch", "Switch4", 20, 30, 38, 14, "Edge", "0"},
        {"Edit", "Edit5", 20, 30, 32, 13, "Topic", "Topic"},
        {"EditLine", "EditLine6", 20, 30, 32, 13, "Style", "Underlined"},
        {"ListBox", "ListBox7", 20, 30, 35, 24, "VisibleItems", "2"},
        {"Radio", "Radio8", 20, 30, 31, 14, "SelectedItem", "0"},
        {"DropDown", "DropDown9", 20, 30, 39, 25, "TestItems", "No"},
        {"PopUp", "PopUp10", 20, 30, 35, 25, "Test", "Yes"},
        {"Image", "Image11", 20, 30, 20, 20, "Clickable", "Yes"},
        {"Dialog", "Dialog12", 3, 58, 156, 84, "Test", "Yes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        Control* made = place(c.tool, 20, 30);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->name(), c.name);
        EXPECT_EQ(engine.kindTag(*made), c.tool);
        EXPECT_EQ(made->left(), c.left);
        EXPECT_EQ(made->top(), c.top);
        EXPECT_EQ(made->width(), c.width);
        EXPECT_EQ(made->height(), c.height);
        EXPECT_EQ(get(made, c.prop), c.value);
        EXPECT_EQ(made->color(), workspace.surfaceColor);
        EXPECT_TRUE(workspace.tool.empty()) << "a tool places one control";
        EXPECT_EQ(form.components().back().text, std::string(c.name) + ": " + c.tool);
    }
}

TEST_F(CControlsCreate, ShortNamesShareThePrefixOfLabelAndListBox) {
    workspace.shortNames = true;
    EXPECT_EQ(place("ListBox")->name(), "Lb1");
    EXPECT_EQ(place("Label")->name(), "Lb2");
    EXPECT_EQ(place("Button")->name(), "Bt3");
}

TEST_F(CControlsCreate, NoToolNoControl) {
    workspace.tool.clear();
    EXPECT_FALSE(engine.createControl(form, 1, 1, &form.surface()));
    EXPECT_TRUE(form.surface().children().empty());
}

TEST_F(CControlsCreate, ClashWithARenamedDialogIsReportedAndLeavesNothing) {
    Control* dialog = place("Dialog");
    ASSERT_TRUE(set(dialog, "Name", "Button2").ok());
    EXPECT_EQ(place("Button", 1, 1, &form.surface()), nullptr);
    EXPECT_EQ(ui.lastText(), "Duplicate name");
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_EQ(form.surface().children().size(), 1u);
    EXPECT_EQ(place("Button")->name(), "Button3");
}

TEST_F(CControlsCreate, ControlsClickedIntoADialogBecomeItsChildren) {
    auto* dialog = place("Dialog");
    Control* button = place("Button", 5, 6, dialog);
    EXPECT_EQ(button->parent(), dialog);
    EXPECT_EQ(button->userLeft(), 5);
    auto* second = place("Dialog", 0, 0, dialog); // a dialog always goes on the surface
    EXPECT_EQ(second->parent(), &form.surface());
}

TEST_F(CControlsCreate, ASecondDialogHidesTheFirstUntilItsTestIsSetAgain) {
    auto* first = static_cast<TPTDialog*>(place("Dialog"));
    auto* second = static_cast<TPTDialog*>(place("Dialog"));
    EXPECT_FALSE(first->visible());
    EXPECT_EQ(first->tag(), 0);
    EXPECT_EQ(form.currentDialog(), second);
    EXPECT_EQ(form.surface().children().back().get(), second);

    ASSERT_TRUE(set(first, "Test", "Yes").ok());
    EXPECT_TRUE(first->visible());
    EXPECT_FALSE(second->visible());
    EXPECT_EQ(get(second, "Test"), "No");
    EXPECT_EQ(form.currentDialog(), first);
    EXPECT_EQ(form.surface().children().back().get(), first);

    ASSERT_TRUE(set(first, "Test", "No").ok());
    EXPECT_FALSE(first->visible());
    EXPECT_EQ(form.currentDialog(), nullptr);
}

TEST_F(CControlsCreate, NewDialogTakesTheSurfaceGrid) {
    form.surface().setGridSpace(6);
    form.surface().setGridVisible(1);
    auto* dialog = static_cast<TPTDialog*>(place("Dialog"));
    EXPECT_EQ(dialog->gridSpace(), 6);
    EXPECT_EQ(dialog->gridVisible(), 1);
}

TEST_F(CControlsCreate, MenuToolMakesTheBarOnceAndOpensEachNewMenu) {
    auto* first = static_cast<TCCMenu*>(place("MenuBar"));
    ASSERT_NE(first, nullptr);
    auto* bar = static_cast<TCCMenuBar*>(form.menuBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->name(), "MenuBarMain");
    EXPECT_EQ(bar->left(), form.surface().left());
    EXPECT_EQ(first->name(), "Menu1");
    EXPECT_EQ(first->userLeft(), form.surface().left() + 5);
    EXPECT_EQ(first->userWidth(), 38);
    EXPECT_EQ(first->topicWidth(), 36);
    EXPECT_EQ(first->items(), std::vector<std::string>{"Item1"});

    auto* second = static_cast<TCCMenu*>(place("MenuBar"));
    EXPECT_EQ(form.windowChildren().size(), 3u);
    EXPECT_EQ(second->test(), 1);
    EXPECT_EQ(first->test(), 0);
    EXPECT_TRUE(first->visible());

    // Showing a closed menu opens it, unless the user is on its Test row.
    engine.showProperties(form, first);
    EXPECT_EQ(first->test(), 1);
    EXPECT_EQ(second->test(), 0);
    workspace.inspectorRow = "Test";
    engine.showProperties(form, second);
    EXPECT_EQ(second->test(), 0);
}

TEST_F(CControlsCreate, ComponentListPutsDialogChildrenFirstThenFormThenMenus) {
    Control* button = place("Button");
    auto* dialog = place("Dialog");
    place("Label", 1, 1, dialog);
    place("MenuBar");
    engine.rebuildComponentList(form);
    std::vector<std::string> texts;
    for (const auto& e : form.components())
        texts.push_back(e.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Button1: Button", "Label3: Label", "Dialog2: Dialog",
                                        "Main: Form", "MenuBarMain: MenuBar", "Menu4: Menu"}));
    EXPECT_EQ(form.components().front().control, button);
    EXPECT_EQ(form.components()[3].control, nullptr);
}

TEST_F(CControlsCreate, SelectionMarkColoursFollowParentAndAdding) {
    Control* a = place("Button");
    Control* b = place("Button");
    auto* dialog = place("Dialog");
    Control* c = place("Button", 1, 1, dialog);
    Control* d = place("Button", 1, 1, dialog);
    engine.clearSelection(form);
    engine.setSelected(*a, true, false);
    EXPECT_EQ(a->selectColor(), kBlue);
    engine.setSelected(*b, true, true);
    EXPECT_EQ(b->selectColor(), kNavy);
    dialog->setSelected(true);
    engine.setSelected(*c, true, true); // first in its dialog, though adding
    EXPECT_EQ(c->selectColor(), kRed);
    EXPECT_FALSE(dialog->selected());
    engine.setSelected(*d, true, true);
    EXPECT_EQ(d->selectColor(), kMaroon);
    engine.clearSelection(form);
    for (Control* x : {a, b, c, d})
        EXPECT_FALSE(x->selected());
    EXPECT_EQ(d->selectColor(), kRed);
}

TEST_F(CControlsCreate, EditItemsReplacesOnlyOnOk) {
    auto* radio = static_cast<TCCRadio*>(place("Radio"));
    EXPECT_FALSE(engine.editItems()); // cancelled
    EXPECT_EQ(ui.itemsShown, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(radio->itemCount(), 3);
    ui.editedItems = std::vector<std::string>{"X", "Y"};
    EXPECT_TRUE(engine.editItems());
    EXPECT_EQ(radio->items(), (std::vector<std::string>{"X", "Y"}));
    auto* menu = static_cast<TCCMenu*>(place("MenuBar"));
    ui.editedItems = std::vector<std::string>{"a", "b", "c"};
    EXPECT_TRUE(engine.editItems());
    EXPECT_EQ(menu->height(), 3 * 11 + 15);
    place("Button");
    EXPECT_FALSE(engine.editItems()); // a button has no items
}

} // namespace
} // namespace ornadeck
