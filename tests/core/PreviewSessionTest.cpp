// Trying the forms as the generated program runs them, on copies.
#include "workbench/PreviewSession.h"

#include "designer/FormSnapshot.h"
#include "render/FormRenderer.h"
#include "support/InspectorFixture.h"
#include "support/TestFonts.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

class PreviewSessionTest : public test::InspectorFixture {
  protected:
    void set(Form& form, Control* c, const char* name, const std::string& value) {
        ASSERT_TRUE(kits.current().engine->setPropertyOf(form, *c, name, value, ui)) << name;
    }
    std::string get(const Form& form, const Control* c, const char* name) {
        return kits.current().engine->getProperty(const_cast<Form&>(form), const_cast<Control*>(c),
                                                  name);
    }
    static Point centre(const Control& c, const Control* dialog = nullptr) {
        Point p{c.left() + c.width() / 2, c.top() + c.height() / 2};
        if (dialog) p = {p.x + dialog->left(), p.y + dialog->top()};
        return p;
    }
    // The copy of a control the preview shows, found by name.
    const Control* shownCopy(const PreviewSession& preview, const std::string& name) {
        const Form* form = preview.shownForm();
        if (!form) return nullptr;
        for (const Control* c : form->surfaceControls())
            if (c->name() == name) return c;
        return nullptr;
    }
    std::string formText(Form& form) {
        return captureForm(form, workspace, *kits.current().sections).formText;
    }
    test::BlockFonts fonts;
    FormRenderer renderer{fonts};
};

TEST_F(PreviewSessionTest, ButtonsShowFormsAndDialogsAndBackspaceGoesBack) {
    use(Library::PToolboxLib);
    Form& second = newForm("Second");
    Form& main = newForm("Main");
    Control* go = place(main, "Button");
    Control* warn = place(main, "Dialog");
    warn->setBounds(20, 60, 120, 60);
    Control* ok = place(main, "Button", warn);
    Control* ask = place(main, "Button");
    ask->setBounds(100, 20, 40, 14);
    Control* plain = place(main, "Button");
    plain->setBounds(100, 140, 40, 14);
    set(main, go, "ShowForm", "Second");
    set(main, ask, "ShowForm", warn->name());
    const std::string before = formText(main);
    const std::size_t steps = editorOf(main).history().undoCount();

    PreviewSession preview(workspace, kits, "Main");
    ASSERT_NE(preview.shownForm(), nullptr);
    EXPECT_EQ(preview.caption(), "Preview - Main");
    // The dialog shows only when a button opens it.
    EXPECT_FALSE(shownCopy(preview, warn->name())->visible());

    struct Step {
        Point tap;
        const char* form;
        bool dialogShown;
        const char* status;
    } steps_[] = {
        {centre(*plain), "Main", false, "case "}, {centre(*ask), "Main", true, ""},
        {centre(*go), "Main", true, ""}, // behind the open dialog: nothing
        {centre(*ok, warn), "Main", false, ""},   {centre(*go), "Second", false, ""},
    };
    for (const Step& s : steps_) {
        preview.tap(s.tap);
        ASSERT_NE(preview.shownForm(), nullptr);
        EXPECT_EQ(preview.shownForm()->name(), s.form) << s.tap.x << "," << s.tap.y;
        EXPECT_EQ(preview.caption(), std::string("Preview - ") + s.form);
        if (std::string(s.form) == "Main") {
            EXPECT_EQ(shownCopy(preview, warn->name())->visible(), s.dialogShown);
        }
        EXPECT_EQ(preview.status().substr(0, std::string(s.status).size()), s.status);
    }
    preview.back();
    EXPECT_EQ(preview.shownForm()->name(), "Main");
    preview.back(); // nothing further back
    EXPECT_EQ(preview.shownForm()->name(), "Main");
    preview.end();
    EXPECT_TRUE(preview.ended());
    EXPECT_EQ(preview.shownForm(), nullptr);

    // Nothing of the design moved.
    EXPECT_EQ(formText(main), before);
    EXPECT_EQ(editorOf(main).history().undoCount(), steps);
    EXPECT_TRUE(warn->visible());
    (void)second;
}

TEST_F(PreviewSessionTest, CheckBoxesTogglePushButtonsKeepOneOnInTheirGroup) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    Control* check = place(main, "CheckBox");
    check->setBounds(10, 20, 60, 12);
    Control* one = place(main, "Push");
    one->setBounds(10, 50, 30, 12);
    Control* two = place(main, "Push");
    two->setBounds(50, 50, 30, 12);
    set(main, one, "GroupNumber", "1");
    set(main, two, "GroupNumber", "1");
    const std::string before = formText(main);

    PreviewSession preview(workspace, kits, "");
    const auto state = [&](const Control* c) {
        return get(*preview.shownForm(), shownCopy(preview, c->name()), "State");
    };
    struct Step {
        Point tap;
        const char *check, *one, *two;
    } steps[] = {
        {centre(*check), "True", "False", "False"}, {centre(*check), "False", "False", "False"},
        {centre(*one), "False", "True", "False"},   {centre(*two), "False", "False", "True"},
        {centre(*two), "False", "False", "True"}, // a pushed button of a group stays pushed
    };
    for (const Step& s : steps) {
        preview.tap(s.tap);
        EXPECT_EQ(state(check), s.check);
        EXPECT_EQ(state(one), s.one);
        EXPECT_EQ(state(two), s.two);
    }
    EXPECT_EQ(formText(main), before);
}

TEST_F(PreviewSessionTest, ACControlsButtonNamesItsHandlerAndHiddenControlsDoNotAnswer) {
    use(Library::CControls);
    Form& main = newForm("Main");
    Control* button = place(main, "Button");
    Control* check = place(main, "CheckBox");
    check->setBounds(10, 60, 60, 12);
    check->setVisible(false);
    PreviewSession preview(workspace, kits, "Main");
    preview.tap(centre(*button));
    EXPECT_EQ(preview.status(), "On" + button->name() + "()");
    preview.tap(centre(*check));
    EXPECT_EQ(get(*preview.shownForm(), shownCopy(preview, check->name()), "State"), "False");
    EXPECT_EQ(preview.status(), "");
}

TEST_F(PreviewSessionTest, ACheckedBoxLooksAsTheDesignerDrawsACheckedOne) {
    use(Library::CControls);
    Form& main = newForm("Main");
    Control* check = place(main, "CheckBox");
    PreviewSession preview(workspace, kits, "Main");
    const Image unchecked = preview.screen(renderer);
    EXPECT_EQ(unchecked, renderer.surface(main, FormRenderer::Aids::Hidden));
    preview.tap(centre(*check));
    const Image checked = preview.screen(renderer);
    EXPECT_NE(checked, unchecked);
    set(main, check, "State", "True");
    EXPECT_EQ(checked, renderer.surface(main, FormRenderer::Aids::Hidden));
}

TEST_F(PreviewSessionTest, TheMenuBarOpensFromTheTitleOrTheMenuIconAndClosesAtTheNextTap) {
    use(Library::CControls);
    Form& main = newForm("Main");
    Control* button = place(main, "Button");
    button->setBounds(40, 60, 40, 14);
    place(main, "Menu");
    PreviewSession preview(workspace, kits, "Main");
    const auto open = [&] { return preview.shownForm()->menuBar()->visible(); };
    const Image closed = preview.screen(renderer);
    struct Step {
        const char* what;
        Point tap;
        bool menuOpen;
    } steps[] = {
        {"starts closed", {150, 150}, false},
        {"the title", {5, 5}, true},
        {"any tap closes", {150, 150}, false},
        {"the silkscreen's menu icon", {6, 188}, true},
        {"the button, closing first", {60, 67}, false},
    };
    for (const Step& s : steps) {
        preview.tap(s.tap);
        EXPECT_EQ(open(), s.menuOpen) << s.what;
    }
    EXPECT_EQ(preview.status(), ""); // the tap that closed the menu ran nothing
    EXPECT_EQ(preview.screen(renderer), closed);
    preview.tap({6, 188});
    EXPECT_NE(preview.screen(renderer), closed);
    preview.back(); // Backspace closes it too
    EXPECT_FALSE(open());

    // The home icon ends the preview.
    preview.tap({6, 170});
    EXPECT_TRUE(preview.ended());
}

} // namespace
} // namespace ornadeck
