#include "model/Form.h"

#include "cclib/TCCButton.h"
#include "cclib/TCCLabel.h"
#include "model/TPTDialog.h"
#include "model/Workspace.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

template <class T> T* addNamed(Form& form, const std::string& name, Control* parent = nullptr) {
    Status status;
    T* c = form.add(std::make_unique<T>(), parent ? parent : &form.surface(), name, status);
    EXPECT_TRUE(status.ok()) << status.message();
    return c;
}

TEST(FormNames, RefusesInvalidAndTakenNames) {
    Form form;
    auto* button = addNamed<TCCButton>(form, "Button1");
    addNamed<TCCLabel>(form, "Label1");
    struct Case {
        std::string name;
        std::string message;
    };
    for (const Case& c : {
             Case{"Label1", "A component named Label1 already exists"},
             Case{"LABEL1", "A component named LABEL1 already exists"},
             Case{"panScreen", "A component named panScreen already exists"},
             Case{"snapDialog", "A component named snapDialog already exists"},
             Case{"my button", "''my button'' is not a valid component name"},
             Case{"1st", "''1st'' is not a valid component name"},
             Case{"", "'''' is not a valid component name"},
         }) {
        Status s = form.rename(*button, c.name);
        EXPECT_FALSE(s.ok()) << c.name;
        EXPECT_EQ(s.message(), c.message);
        EXPECT_EQ(button->name(), "Button1");
    }
    EXPECT_TRUE(form.rename(*button, "BUTTON1").ok()); // its own name in another case
    EXPECT_TRUE(form.rename(*button, "_ok2").ok());
    EXPECT_EQ(button->name(), "_ok2");
}

TEST(FormNames, FailedAddLeavesNothingBehind) {
    Form form;
    addNamed<TCCButton>(form, "Button1");
    Status status;
    EXPECT_EQ(form.add(std::make_unique<TCCLabel>(), &form.surface(), "Button1", status), nullptr);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(form.surface().children().size(), 1u);
}

TEST(FormNames, DefaultNamesSkipNamesInUseAndKeepCounting) {
    Form form;
    int counter = 0;
    for (int i = 0; i < 3; ++i)
        addNamed<TCCButton>(form, form.nextDefaultName("Button", counter));
    EXPECT_EQ(counter, 3);
    EXPECT_EQ(form.nextDefaultName("Button", counter), "Button4");
    addNamed<TCCLabel>(form, "Button5"); // a label the user renamed
    EXPECT_EQ(form.nextDefaultName("Button", counter), "Button6");
    EXPECT_EQ(counter, 6);
}

TEST(FormNames, DialogsAreNotComparedButTheirChildrenAre) {
    Form form;
    auto* dialog = addNamed<TPTDialog>(form, "Dialog2");
    addNamed<TCCButton>(form, "Button1", dialog);
    int counter = 0;
    EXPECT_EQ(form.nextDefaultName("Button", counter), "Button2");
    counter = 1;
    EXPECT_EQ(form.nextDefaultName("Dialog", counter), "Dialog2"); // the check refuses it later
    EXPECT_TRUE(form.isNameTaken("Dialog2"));
}

TEST(FormTree, ParentLookupFindsOnlyDialogsOnTheSurface) {
    Form form;
    auto* dialog = addNamed<TPTDialog>(form, "Dialog1");
    addNamed<TCCButton>(form, "Button1");
    EXPECT_EQ(&form.parentForName("Dialog1"), dialog);
    EXPECT_EQ(&form.parentForName("dialog1"), dialog);
    EXPECT_EQ(&form.parentForName("panScreen"), &form.surface());
    EXPECT_EQ(&form.parentForName("Nowhere"), &form.surface());
    EXPECT_EQ(&form.parentForName("Button1"), &form.surface()); // a button holds no controls
}

TEST(FormTree, DialogsAndButtonsNeverBecomeContainers) {
    Form form;
    auto* dialog = addNamed<TPTDialog>(form, "Dialog1");
    auto* inner = addNamed<TPTDialog>(form, "Dialog2", dialog);
    EXPECT_EQ(inner->parent(), &form.surface());
    auto* button = addNamed<TCCButton>(form, "Button1");
    auto* label = addNamed<TCCLabel>(form, "Label1", button);
    EXPECT_EQ(label->parent(), &form.surface());
    form.reparent(*label, dialog);
    EXPECT_EQ(label->parent(), dialog);
    EXPECT_EQ(dialog->children().size(), 1u);
}

TEST(FormTree, DestroyForgetsDialogAndItsEntries) {
    Form form;
    auto* dialog = addNamed<TPTDialog>(form, "Dialog1");
    auto* child = addNamed<TCCButton>(form, "Button1", dialog);
    form.setCurrentDialog(dialog);
    form.components().push_back({"Button1: Button", child});
    form.components().push_back({"Dialog1: Dialog", dialog});
    form.components().push_back({"Form1: Form", nullptr});
    form.destroy(dialog);
    EXPECT_EQ(form.currentDialog(), nullptr);
    ASSERT_EQ(form.components().size(), 1u);
    EXPECT_FALSE(form.isNameTaken("Button1"));
}

TEST(FormTree, StackingOrderIsChildOrder) {
    Form form;
    auto* a = addNamed<TCCButton>(form, "A");
    auto* b = addNamed<TCCButton>(form, "B");
    auto* c = addNamed<TCCButton>(form, "C");
    form.surface().bringChildToFront(a);
    EXPECT_EQ(form.surface().indexOf(a), 2);
    form.surface().sendChildToBack(c);
    EXPECT_EQ(form.surface().indexOf(c), 0);
    EXPECT_EQ(form.surface().indexOf(b), 1);
}

} // namespace
} // namespace ornadeck

namespace ornadeck {
namespace {

// A window that redraws while another closes looks the forms up again: a form being closed
// must no longer be listed then, or a new window would be made for it and outlive it.
TEST(WorkspaceForms, ClosingTellsOfEachFormOnceItIsNoLongerListed) {
    Workspace workspace;
    for (const char* name : {"A", "B", "C"})
        workspace.forms.push_back(std::make_unique<Form>(name));
    workspace.activeForm = workspace.forms.front().get();
    std::vector<std::string> told;
    workspace.formClosing = [&](Form& form) {
        told.push_back(form.name());
        EXPECT_TRUE(workspace.forms.empty()) << "still listed while " << form.name() << " closes";
        // A closing window hands the focus on, and the form it lands on is chosen again.
        workspace.activeForm = &form;
        workspace.selected = Selection{&form, nullptr};
    };
    workspace.closeAllForms();
    EXPECT_EQ(workspace.activeForm, nullptr);
    EXPECT_TRUE(workspace.selected.empty());
    EXPECT_EQ(told, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(workspace.forms.empty());
}

} // namespace
} // namespace ornadeck
