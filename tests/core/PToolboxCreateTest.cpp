#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "model/TPTDialog.h"
#include "ptlib/TPTList.h"
#include "support/PToolboxFixture.h"

namespace ornadeck {
namespace {

using PToolboxCreate = test::PToolboxFixture;

TEST_F(PToolboxCreate, EachKindGetsItsNameValuesAndPlace) {
    struct Case {
        const char* tool;
        const char* name;
        int left, top, width, height;
        const char* prop;
        const char* value;
    };
    // Placed at (20, 30). Fallback glyphs are 5 x 11.
    const Case cases[] = {
        {"Button", "Button1", 18, 28, 46, 17, "Text", "Button1"},
        {"Select", "Select2", 19, 29, 7 * 5 + 7, 15, "Text", "Select2"},
        {"Label", "Label3", 20, 30, 6 * 5 + 1, 11, "Text", "Label3"},
        {"CheckBox", "CheckBox4", 20, 30, 58, 15, "Text", "CheckBox4"},
        {"Push", "Push5", 20, 30, 32, 15, "Text", "Push5"},
        {"List", "List6", 20, 30, 35, 25, "Trigger", "(None)"},
        {"PopTrigger", "Pop7", 20, 30, 35, 15, "Text", "Pop"},
        {"Field", "Field8", 20, 30, 32, 15, "MaxChars", "20"},
        {"GSI", "GSI9", 20, 30, 8, 9, "Left", "20"},
        {"Bitmap", "Bitmap10", 20, 30, 20, 20, "Bitmap", "(Bitmap)"},
        {"Radio", "Radio11", 20, 30, 31, 15, "GroupNumber", "1"},
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

TEST_F(PToolboxCreate, ButtonIsPlacedByItsPalmPointAndPushByItsWindow) {
    EXPECT_EQ(get(place("Button", 20, 30), "Left"), "20");
    Control* push = place("Push", 20, 30);
    EXPECT_EQ(get(push, "Left") + "," + get(push, "Top"), "21,31");
}

TEST_F(PToolboxCreate, SelectCarriesItsFixedLook) {
    auto* select = placeAs<TCCButton>("Select");
    EXPECT_EQ(select->tag(), TCCButton::kSelectTag);
    EXPECT_EQ(select->radius(), 0);
    EXPECT_EQ(select->line(), kLineGray);
    EXPECT_EQ(select->showForm(), "(None)");
    EXPECT_EQ(get(select, "Height"), "13");
    EXPECT_EQ(get(select, "Align"), "Left");
}

TEST_F(PToolboxCreate, ShortNamesShareThePrefixOfLabelAndList) {
    workspace.shortNames = true;
    EXPECT_EQ(place("Label")->name(), "Lb1");
    EXPECT_EQ(place("List")->name(), "Lb2");
    EXPECT_EQ(place("GSI")->name(), "GSI3");
    EXPECT_EQ(place("PopTrigger")->name(), "Pt4");
}

TEST_F(PToolboxCreate, NoToolOrAnotherLibrarysToolMakesNothing) {
    workspace.tool.clear();
    EXPECT_FALSE(engine.createControl(form, 1, 1, &form.surface()));
    EXPECT_EQ(place("EditLine"), nullptr);
    EXPECT_TRUE(form.surface().children().empty());
}

TEST_F(PToolboxCreate, ClashWithARenamedDialogIsReportedAndLeavesNothing) {
    Control* dialog = place("Dialog");
    ASSERT_TRUE(set(dialog, "Name", "Button2").ok());
    const auto listed = form.components().size();
    EXPECT_EQ(place("Button", 1, 1, &form.surface()), nullptr);
    EXPECT_EQ(ui.lastText(), "Duplicate contol name");
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::Error);
    EXPECT_EQ(form.surface().children().size(), 1u);
    EXPECT_EQ(form.components().size(), listed);
    EXPECT_EQ(place("Button")->name(), "Button3");
}

TEST_F(PToolboxCreate, ClicksInTheTestedDialogParentThereAndANewDialogHidesIt) {
    form.surface().setGridSpace(6);
    auto* first = static_cast<TPTDialog*>(place("Dialog"));
    Control* field = place("Field", 5, 6, first);
    EXPECT_EQ(field->parent(), first);
    EXPECT_EQ(field->left(), 5);
    auto* second = static_cast<TPTDialog*>(place("Dialog", 0, 0, first));
    EXPECT_EQ(second->parent(), &form.surface()); // dialogs hold no dialogs
    EXPECT_FALSE(first->visible());
    EXPECT_EQ(first->tag(), 0);
    EXPECT_EQ(second->tag(), 1);
    EXPECT_EQ(form.currentDialog(), second);
    EXPECT_EQ(form.surface().children().back().get(), second);
    EXPECT_EQ(second->gridSpace(), 6);
}

TEST_F(PToolboxCreate, ComponentListPutsADialogsChildrenBeforeItAndTheFormLast) {
    place("Label");
    auto* dialog = place("Dialog");
    place("Field", 1, 1, dialog);
    engine.rebuildComponentList(form);
    std::vector<std::string> texts;
    for (const auto& e : form.components())
        texts.push_back(e.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Label1: Label", "Field3: Field", "Dialog2: Dialog",
                                               "Main: Form"}));
    EXPECT_EQ(form.components()[1].control, dialog->children().front().get());
}

TEST_F(PToolboxCreate, ItemsAreEditedOnListsAndRadiosOnly) {
    auto* list = placeAs<TPTList>("List");
    ui.editedItems = std::vector<std::string>{"Red", "Blue"};
    EXPECT_TRUE(engine.editItems());
    EXPECT_EQ(list->items(), (std::vector<std::string>{"Red", "Blue"}));
    auto* radio = placeAs<TCCRadio>("Radio");
    EXPECT_TRUE(engine.editItems());
    EXPECT_EQ(radio->itemCount(), 2);
    place("Select");
    EXPECT_FALSE(engine.editItems());
}

} // namespace
} // namespace ornadeck
