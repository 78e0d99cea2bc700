// The inspector over several marked controls at once.
#include "workbench/MultiEdit.h"

#include "support/InspectorFixture.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

class MultiEditTest : public test::InspectorFixture {
  protected:
    // Shift-clicks each control after the first, as the designer marks a selection.
    void mark(Form& form, std::initializer_list<Control*> controls) {
        FormEditor& editor = editorOf(form);
        bool first = true;
        for (Control* c : controls) {
            editor.controlMouseDown(*c,
                                    ShiftState(first ? ShiftState::LeftButton
                                                     : ShiftState::Shift | ShiftState::LeftButton));
            first = false;
        }
        inspector.sync();
    }
    std::vector<std::string> rowNames() const {
        std::vector<std::string> names;
        for (const PropertyRow& r : inspector.rows())
            names.push_back(r.name);
        return names;
    }
};

TEST_F(MultiEditTest, RowsAreThoseAllShareValuesBlankWhereTheyDiffer) {
    use(Library::CControls);
    Form& form = newForm("Main");
    editorOf(form);
    Control* a = place(form, "Button");
    Control* b = place(form, "Button");
    Control* check = place(form, "CheckBox");
    b->setLeft(a->left() + 30);
    mark(form, {a, b});
    EXPECT_EQ(inspector.togetherText(), "2 controls");
    EXPECT_EQ(inspector.together(), (std::vector<Control*>{a, b}));
    const std::vector<std::string> names = rowNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "Name"), 0); // never shared
    EXPECT_EQ(value("Left"), "");
    EXPECT_EQ(value("Font"), engineValue(a, "Font"));
    EXPECT_EQ(value("Top"), engineValue(a, "Top"));

    // A CheckBox has no ShowForm: the row goes; its State row never was a Button's.
    mark(form, {a, b, check});
    EXPECT_EQ(inspector.togetherText(), "3 controls");
    for (const std::string& name : rowNames()) {
        EXPECT_NE(name, "ShowForm");
        EXPECT_NE(name, "State");
    }

    // One control alone: its own rows again, Name first among them.
    mark(form, {check});
    EXPECT_TRUE(inspector.together().empty());
    EXPECT_EQ(inspector.togetherText(), "");
    EXPECT_EQ(value("Name"), check->name());
}

TEST_F(MultiEditTest, AValueGoesToEveryControlAsOneUndoStep) {
    use(Library::CControls);
    Form& form = newForm("Main");
    FormEditor& editor = editorOf(form);
    Control* a = place(form, "Button");
    Control* b = place(form, "Label");
    Control* c = place(form, "CheckBox");
    const std::string oldFont = engineValue(a, "Font");
    mark(form, {a, b, c});
    const std::size_t steps = editor.history().undoCount();
    const std::size_t font = row("Font");
    ASSERT_FALSE(inspector.entries(font).empty());
    const std::string bold = inspector.entries(font).back();
    ASSERT_NE(bold, oldFont);
    EXPECT_EQ(inspector.pick(font, bold), Inspector::Sent::Applied);
    for (Control* x : {a, b, c})
        EXPECT_EQ(engineValue(x, "Font"), bold) << x->name();
    EXPECT_EQ(value("Font"), bold);
    EXPECT_EQ(editor.history().undoCount(), steps + 1);
    EXPECT_EQ(editor.history().undoLabel(), "Set Font on 3 controls");

    // Typed key by key, a number makes one step too.
    const std::size_t left = row("Left");
    inspector.type(left, "3");
    inspector.type(left, "30");
    EXPECT_EQ(editor.history().undoCount(), steps + 2);
    EXPECT_EQ(engineValue(a, "Left"), "30");
    EXPECT_EQ(engineValue(c, "Left"), "30");

    ASSERT_TRUE(editor.undo());
    ASSERT_TRUE(editor.undo());
    for (Control* x : form.surfaceControls())
        EXPECT_EQ(engineValue(x, "Font"), oldFont);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MultiEditTest, AControlsOwnLimitIsKeptAndReportedOnce) {
    use(Library::CControls);
    Form& form = newForm("Main");
    editorOf(form);
    Control* image1 = place(form, "Image");
    Control* image2 = place(form, "Image");
    Control* button = place(form, "Button");
    mark(form, {image1, image2, button});
    inspector.type(row("Width"), "60");
    EXPECT_EQ(engineValue(button, "Width"), "60");
    EXPECT_EQ(engineValue(image1, "Width"), "40");
    EXPECT_EQ(engineValue(image2, "Width"), "40");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastText(), "The maximum width of a Image control is 40");
    // The resizes did not take the marks away.
    EXPECT_EQ(inspector.together(), (std::vector<Control*>{image1, image2, button}));
    EXPECT_TRUE(image1->selected() && image2->selected() && button->selected());

    // A value no control takes is said once and changes nothing.
    ui.messages.clear();
    const std::string top = engineValue(button, "Top");
    EXPECT_EQ(inspector.type(row("Top"), "x"), Inspector::Sent::Rejected);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(engineValue(button, "Top"), top);
}

TEST_F(MultiEditTest, AControlThatKeepsItsOwnValueQuietlyIsNamed) {
    use(Library::CControls);
    Form& form = newForm("Main");
    editorOf(form);
    Control* button = place(form, "Button");
    Control* radio = place(form, "Radio"); // its width is a whole number of its buttons
    mark(form, {button, radio});
    inspector.type(row("Width"), "50");
    EXPECT_EQ(engineValue(button, "Width"), "50");
    const std::string kept = engineValue(radio, "Width");
    ASSERT_NE(kept, "50");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastText(), "Width: " + radio->name() + " keeps " + kept);
}

} // namespace
} // namespace ornadeck
