#include "designer/Clipboard.h"

#include "cclib/TCCButton.h"
#include "designer/ClipboardFormat.h"
#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "ptlib/TPTList.h"
#include "support/FakeUi.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

class ClipboardCommands : public testing::Test {
  protected:
    ClipboardCommands() { window.activate(); }
    Control* place(const std::string& tool, int x, int y, Control* target = nullptr) {
        workspace.tool = tool;
        window.surfaceMouseUp(target ? *target : form.surface(), MouseButton::Left, x, y);
        return workspace.selected.control;
    }
    void select(Control* c) { window.controlMouseDown(*c, ShiftState::LeftButton); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (Control* c : form.surfaceControls())
            out.push_back(c->name());
        return out;
    }

    Workspace workspace;
    test::FakeUi ui;
    LibraryKits kits{workspace, ui};
    Form& form = *workspace.forms.emplace_back(std::make_unique<Form>("Form1"));
    FormEditor window{workspace, ui, kits, form};
    Clipboard clipboard{workspace, kits};
};

TEST_F(ClipboardCommands, CopiedButtonPastesTwiceUnderNewNames) {
    auto* b = static_cast<TCCButton*>(place("Button", 10, 20));
    b->setContent("Go");
    b->setUserWidth(50);
    const auto text = clipboard.copy();
    ASSERT_TRUE(text);
    ASSERT_TRUE(clipboard.paste(window, *text));
    ASSERT_TRUE(clipboard.paste(window, *text));
    EXPECT_EQ(names(), (std::vector<std::string>{"Button1", "Button2", "Button3"}));
    auto* pasted = static_cast<TCCButton*>(workspace.selected.control);
    EXPECT_EQ(pasted->name(), "Button3");
    EXPECT_EQ(pasted->content(), "Go");
    EXPECT_EQ(pasted->userWidth(), 50);
    EXPECT_EQ(pasted->userLeft(), 10);
    EXPECT_TRUE(pasted->selected());
    EXPECT_FALSE(b->selected());
    EXPECT_EQ(form.components().size(), 4u); // three buttons and the form
}

TEST_F(ClipboardCommands, NothingToCopyOrCutForTheFormOrItsMenus) {
    place("Button", 10, 20);
    place("Menu", 0, 0);
    ASSERT_NE(form.menuBar(), nullptr);
    EXPECT_FALSE(clipboard.copy()); // the menu is selected
    window.showFormProperties();
    EXPECT_FALSE(clipboard.copy());
    EXPECT_FALSE(clipboard.cut(window));
    EXPECT_EQ(form.surface().children().size(), 1u);
}

TEST_F(ClipboardCommands, DialogPastesWithItsChildrenAndBecomesTheTestedOne) {
    auto* dialog = static_cast<TPTDialog*>(place("Dialog", 0, 0));
    dialog->setTitle("Options");
    place("Button", 10, 10, dialog);
    place("Label", 10, 40, dialog);
    select(dialog);
    const auto text = clipboard.copy();
    ASSERT_TRUE(text);
    ASSERT_TRUE(clipboard.paste(window, *text)); // the dialog is selected: still on the surface

    auto* copy = static_cast<TPTDialog*>(workspace.selected.control);
    EXPECT_EQ(copy->name(), "Dialog4");
    EXPECT_EQ(copy->parent(), &form.surface());
    EXPECT_EQ(copy->title(), "Options");
    EXPECT_EQ(form.currentDialog(), copy);
    EXPECT_TRUE(copy->visible());
    EXPECT_FALSE(dialog->visible());
    EXPECT_EQ(dialog->tag(), 0);
    ASSERT_EQ(copy->children().size(), 2u);
    EXPECT_EQ(copy->children()[0]->name(), "Button5");
    EXPECT_EQ(copy->children()[1]->name(), "Label6");
    EXPECT_EQ(copy->children()[0]->userLeft(), 10);
    EXPECT_EQ(dialog->children().size(), 2u);
}

TEST_F(ClipboardCommands, PasteGoesIntoTheSelectedDialog) {
    Control* b = place("Button", 10, 20);
    Control* dialog = place("Dialog", 0, 0);
    select(b);
    const auto text = clipboard.copy();
    select(dialog);
    ASSERT_TRUE(clipboard.paste(window, *text));
    EXPECT_EQ(workspace.selected.control->parent(), dialog);
    EXPECT_EQ(workspace.selected.control->selectColor(), kRed);
}

TEST_F(ClipboardCommands, CutOfTheTestedDialogClearsItAndPastesBack) {
    Control* dialog = place("Dialog", 0, 0);
    place("Button", 10, 10, dialog);
    select(dialog);
    const auto text = clipboard.cut(window);
    ASSERT_TRUE(text);
    EXPECT_TRUE(form.surface().children().empty());
    EXPECT_EQ(form.currentDialog(), nullptr);
    EXPECT_TRUE(workspace.selected.isForm());
    EXPECT_TRUE(window.remembered().empty());
    EXPECT_EQ(form.components().size(), 1u);

    ASSERT_TRUE(clipboard.paste(window, *text));
    ASSERT_NE(form.currentDialog(), nullptr);
    EXPECT_EQ(static_cast<Control*>(form.currentDialog())->children().size(), 1u);
}

TEST_F(ClipboardCommands, UnsuitableTextPastesNothing) {
    place("Button", 10, 20);
    const auto text = clipboard.copy();
    const Selection before = workspace.selected;
    workspace.library = Library::PToolboxLib; // a copy from the other library
    EXPECT_FALSE(clipboard.paste(window, *text));
    workspace.library = Library::CControls;
    for (std::string_view junk : {"", "plain text", "[Ornadeck clipboard]\r\nLibrary=1\r\n",
                                  "[Ornadeck clipboard]\r\nLibrary=1\r\nRoot=X\r\n[X]\r\nControl="
                                  "Menu\r\nName=X\r\n"})
        EXPECT_FALSE(clipboard.paste(window, junk)) << junk;
    // Kind words that are no kind of this library, or no name at all, must neither hang
    // nor use up a number.
    const int counter = workspace.nameCounter;
    for (std::string_view kind : {"My Kind", "9x", "Foo", "Push", "A-b"})
        EXPECT_FALSE(
            clipboard.paste(window, "[Ornadeck clipboard]\r\nLibrary=1\r\nRoot=X\r\n[X]\r\n"
                                    "Control=" +
                                        std::string(kind) + "\r\nName=X\r\n"))
            << kind;
    EXPECT_EQ(workspace.nameCounter, counter);
    EXPECT_EQ(form.surface().children().size(), 1u);
    EXPECT_EQ(workspace.selected.control, before.control);
}

TEST_F(ClipboardCommands, PasteSkipsNamesTheFormRefuses) {
    Control* b = place("Button", 10, 20);
    Control* dialog = place("Dialog", 0, 0);
    ASSERT_TRUE(form.rename(*dialog, "Button3"));
    select(b);
    ASSERT_TRUE(clipboard.paste(window, *clipboard.copy()));
    EXPECT_EQ(workspace.selected.control->name(), "Button4");
    EXPECT_TRUE(ui.messages.empty());
}

// Text of a known kind that is not quite what copy writes: pasted whole under the paste
// name, or not at all.
TEST_F(ClipboardCommands, MalformedTextOfAKnownKindPastesWholeUnderThePasteName) {
    const struct {
        Library library;
        std::string sections; // after the header, whose Root is X
        std::string kind;
    } cases[] = {
        {Library::CControls, "[X]\r\nControl=Button\r\nContent=Go\r\n", "Button"},
        {Library::CControls, "[X]\r\nControl=Label\r\nName=\r\nLeft=abc\r\n", "Label"},
        {Library::CControls, "[X]\r\nControl=Image\r\nName=1 2\r\nParent=Nowhere\r\n", "Image"},
        {Library::PToolboxLib, "[X]\r\nControl=PopTrigger\r\nText=Pick\r\n", "PopTrigger"},
        {Library::PToolboxLib, "[X]\r\nControl=List\r\nName=FORM\r\nItems=junk\r\n", "List"},
    };
    for (const auto& c : cases) {
        workspace.library = c.library;
        const std::string text =
            "[Ornadeck clipboard]\r\nLibrary=" + std::to_string(static_cast<int>(c.library)) +
            "\r\nRoot=X\r\n" + c.sections;
        const int counter = workspace.nameCounter;
        const std::size_t entries = form.components().size();
        ASSERT_TRUE(clipboard.paste(window, text)) << c.sections;
        Control* pasted = workspace.selected.control;
        ASSERT_NE(pasted, nullptr);
        EXPECT_EQ(pasted->name(), c.kind + std::to_string(counter + 1));
        EXPECT_EQ(workspace.nameCounter, counter + 1);
        EXPECT_EQ(pasted->parent(), &form.surface());
        EXPECT_TRUE(pasted->selected());
        EXPECT_EQ(form.components().size(), entries + 1);
        EXPECT_TRUE(std::any_of(form.components().begin(), form.components().end(),
                                [&](const ComponentEntry& e) { return e.control == pasted; }));
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ClipboardCommands, DialogWithoutNamesPastesWithItsChild) {
    workspace.library = Library::PToolboxLib;
    const std::string text = "[Ornadeck clipboard]\r\nLibrary=2\r\nRoot=D\r\n"
                             "[D]\r\nControl=Dialog\r\nTitle=Ask\r\n"
                             "[B]\r\nControl=Button\r\nParent=D\r\n";
    ASSERT_TRUE(clipboard.paste(window, text));
    auto* dialog = static_cast<TPTDialog*>(workspace.selected.control);
    EXPECT_EQ(dialog->name(), "Dialog1");
    EXPECT_EQ(dialog->title(), "Ask");
    ASSERT_EQ(dialog->children().size(), 1u);
    EXPECT_EQ(dialog->children()[0]->name(), "Button2");
    EXPECT_EQ(form.components().size(), 3u);
}

TEST_F(ClipboardCommands, PastedNamesTakeTheKindWordEvenWithShortNames) {
    workspace.library = Library::PToolboxLib;
    workspace.shortNames = true;
    Control* trigger = place("PopTrigger", 30, 30);
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->name(), "Pt1");
    ASSERT_TRUE(clipboard.paste(window, *clipboard.copy()));
    EXPECT_EQ(workspace.selected.control->name(), "PopTrigger2");
}

TEST_F(ClipboardCommands, PToolboxListKeepsItsItems) {
    workspace.library = Library::PToolboxLib;
    auto* list = static_cast<TPTList*>(place("List", 30, 30));
    list->setItems({"Red", "Green"});
    const auto text = clipboard.copy();
    ASSERT_TRUE(text);
    ASSERT_TRUE(clipboard.paste(window, *text));
    auto* pasted = static_cast<TPTList*>(workspace.selected.control);
    EXPECT_EQ(pasted->name(), "List2");
    EXPECT_EQ(pasted->items(), (std::vector<std::string>{"Red", "Green"}));
}

} // namespace
} // namespace ornadeck
