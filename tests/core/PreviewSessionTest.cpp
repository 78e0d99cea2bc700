// Trying the forms as the generated program runs them, on copies.
#include "workbench/PreviewSession.h"

#include "designer/FormSnapshot.h"
#include "model/ItemsControl.h"
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

TEST_F(PreviewSessionTest, ACControlsButtonShowsTheFormItNamesAndBackspaceReturns) {
    use(Library::CControls);
    Form& about = newForm("About");
    Control* back = place(about, "Button");
    Form& main = newForm("Main");
    Control* go = place(main, "Button");
    set(main, go, "ShowForm", "About");
    set(about, back, "ShowForm", "Main");
    PreviewSession preview(workspace, kits, "Main");
    struct Step {
        Point tap;
        const char* caption;
    } steps[] = {{centre(*go), "Preview - About"}, {centre(*back), "Preview - Main"}};
    for (const Step& s : steps) {
        preview.tap(s.tap);
        EXPECT_EQ(preview.caption(), s.caption);
    }
    preview.back();
    preview.back();
    EXPECT_EQ(preview.caption(), "Preview - Main"); // Main, About, Main: back twice
    preview.back();
    EXPECT_EQ(preview.caption(), "Preview - Main");
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

TEST_F(PreviewSessionTest, ATappedRowOrRadioButtonIsSelectedAndDrawnSo) {
    use(Library::CControls);
    Form& main = newForm("Main");
    auto* list = static_cast<ItemsControl*>(place(main, "ListBox"));
    list->setBounds(10, 20, 60, 35); // three rows of 11 under a one-pixel frame
    auto* radio = static_cast<ItemsControl*>(place(main, "Radio"));
    radio->setBounds(10, 80, 60, 12); // three buttons of 20 side by side
    PreviewSession preview(workspace, kits, "Main");
    const auto selected = [&](const Control* c) {
        return static_cast<const ItemsControl*>(shownCopy(preview, c->name()))->selectedItem();
    };
    struct Step {
        Point tap;
        int row, button;
    } steps[] = {{{20, 21}, 0, radio->selectedItem()},
                 {{20, 33}, 1, radio->selectedItem()},
                 {{20, 50}, 2, radio->selectedItem()},
                 {{55, 85}, 2, 2},
                 {{15, 85}, 2, 0}};
    for (const Step& s : steps) {
        preview.tap(s.tap);
        EXPECT_EQ(selected(list), s.row) << s.tap.x << "," << s.tap.y;
        EXPECT_EQ(selected(radio), s.button) << s.tap.x << "," << s.tap.y;
    }
    // Drawn as the designer draws those selections.
    list->setSelectedItem(2);
    radio->setSelectedItem(0);
    EXPECT_EQ(preview.screen(renderer), renderer.surface(main, FormRenderer::Aids::Hidden));
}

TEST_F(PreviewSessionTest, APopTriggerOpensItsListAndTheChosenItemGoesOnTheTrigger) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    Control* trigger = place(main, "PopTrigger");
    trigger->setBounds(10, 20, 50, 12);
    Control* list = place(main, "List");
    list->setBounds(10, 40, 50, 25);
    set(main, list, "Trigger", trigger->name());
    PreviewSession preview(workspace, kits, "Main");
    const auto shownList = [&] { return shownCopy(preview, list->name())->visible(); };
    EXPECT_FALSE(shownList());
    preview.tap({20, 25});
    EXPECT_TRUE(shownList());
    preview.tap({20, 42 + 11}); // the second row
    EXPECT_FALSE(shownList());
    EXPECT_EQ(get(*preview.shownForm(), shownCopy(preview, trigger->name()), "Text"), "Two");
    preview.tap({20, 25});
    preview.tap({150, 150}); // elsewhere: the list closes, nothing chosen
    EXPECT_FALSE(shownList());
    EXPECT_EQ(get(*preview.shownForm(), shownCopy(preview, trigger->name()), "Text"), "Two");
    EXPECT_NE(get(main, trigger, "Text"), "Two"); // the design's trigger kept its text
}

TEST_F(PreviewSessionTest, ATappedFieldTakesTheKeysUpToItsLimitWithACaret) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    Control* field = place(main, "Field");
    field->setBounds(10, 30, 80, 20); // taller than its font
    set(main, field, "MaxChars", "3");
    set(main, field, "Text", "");
    PreviewSession preview(workspace, kits, "Main");
    const auto text = [&] {
        return get(*preview.shownForm(), shownCopy(preview, field->name()), "Text");
    };
    preview.type("x"); // nothing tapped yet: no field takes it
    EXPECT_EQ(text(), "");
    const Image before = preview.screen(renderer);
    preview.tap({30, 35});
    EXPECT_EQ(preview.typingInto(), shownCopy(preview, field->name()));
    const Image withCaret = preview.screen(renderer);
    EXPECT_NE(withCaret, before);
    EXPECT_EQ(withCaret.at(field->left() + 1, field->top() + 2), kBlack);
    // The caret is a line of the font's height (11 here), inside the field only.
    const int below = field->top() + 1 + std::min(11, field->height() - 1);
    EXPECT_EQ(withCaret.at(field->left() + 1, below), before.at(field->left() + 1, below));
    for (const char* key : {"a", "b", "\xc3\xa9", "d"}) // the fourth is over the limit
        preview.type(key);
    EXPECT_EQ(text(), "ab\xc3\xa9");
    preview.back(); // one character, two bytes
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(preview.shownForm()->name(), "Main");
    preview.tap({150, 150}); // away: the field lets the keys go, the caret goes
    EXPECT_EQ(preview.typingInto(), nullptr);
    preview.type("z");
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(get(main, field, "Text"), ""); // the design's field is as it was

    // A field that is not editable takes no keys.
    set(main, field, "Editable", "False");
    PreviewSession locked(workspace, kits, "Main");
    locked.tap({30, 35});
    EXPECT_EQ(locked.typingInto(), nullptr);
}

TEST_F(PreviewSessionTest, ADropDownOpensAtATapAndClosesOnTheItemChosen) {
    use(Library::CControls);
    Form& main = newForm("Main");
    Control* drop = place(main, "DropDown");
    drop->setBounds(10, 20, 60, 36);     // three rows of 11 when open
    set(main, drop, "TestItems", "Yes"); // shown open in the designer
    PreviewSession preview(workspace, kits, "Main");
    const auto copy = [&] { return shownCopy(preview, drop->name()); };
    const auto open = [&] { return get(*preview.shownForm(), copy(), "TestItems"); };
    EXPECT_EQ(open(), "No"); // the program starts with it closed
    preview.tap({20, 25});
    EXPECT_EQ(open(), "Yes");
    // The open list looks as the designer draws it open.
    EXPECT_EQ(preview.screen(renderer), renderer.surface(main, FormRenderer::Aids::Hidden));
    preview.tap({20, 20 + 1 + 11 + 3}); // the second row
    EXPECT_EQ(open(), "No");
    EXPECT_EQ(static_cast<const ItemsControl*>(copy())->selectedItem(), 1);
}

TEST_F(PreviewSessionTest, AClickableImageRunsItsHandlerAndFlashesAPlainOneDoesNothing) {
    use(Library::CControls);
    Form& main = newForm("Main");
    Control* image = place(main, "Image");
    image->setBounds(20, 30, 16, 16);
    set(main, image, "Clickable", "No");
    PreviewSession plain(workspace, kits, "Main");
    const Image still = plain.screen(renderer);
    plain.tap({25, 35});
    EXPECT_EQ(plain.status(), "");
    EXPECT_FALSE(plain.flashing());

    set(main, image, "Clickable", "Yes");
    PreviewSession clickable(workspace, kits, "Main");
    clickable.tap({25, 35});
    EXPECT_EQ(clickable.status(), "On" + image->name() + "()");
    EXPECT_EQ(clickable.handlerRuns(), 1);
    ASSERT_TRUE(clickable.flashing());
    const Image flashed = clickable.screen(renderer);
    for (int y = 30; y < 46; ++y)
        for (int x = 20; x < 36; ++x)
            ASSERT_NE(flashed.at(x, y), still.at(x, y)) << x << "," << y; // every pixel inverted
    EXPECT_EQ(flashed.at(10, 60), still.at(10, 60));
    clickable.endFlash();
    EXPECT_EQ(clickable.screen(renderer), still);
}

TEST_F(PreviewSessionTest, ShiftShowsOnTheGsiAndCapitalisesTheNextLetter) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    Control* gsi = place(main, "GSI");
    gsi->setBounds(140, 140, 8, 9);
    Control* field = place(main, "Field");
    field->setBounds(10, 30, 80, 12);
    set(main, field, "Text", "");
    PreviewSession preview(workspace, kits, "Main");
    const auto gsiShown = [&] { return shownCopy(preview, gsi->name())->visible(); };
    EXPECT_FALSE(gsiShown());
    preview.tap({30, 35});
    preview.shift();
    EXPECT_TRUE(preview.shifted());
    EXPECT_TRUE(gsiShown());
    preview.type("a");
    preview.type("b");
    EXPECT_EQ(get(*preview.shownForm(), shownCopy(preview, field->name()), "Text"), "Ab");
    EXPECT_FALSE(gsiShown());
    // Only letters have capitals; the shift is used up either way.
    for (const char* key : {"z", "1", "q"}) {
        preview.shift();
        preview.type(key);
    }
    EXPECT_EQ(get(*preview.shownForm(), shownCopy(preview, field->name()), "Text"), "AbZ1Q");
}

TEST_F(PreviewSessionTest, ARepeatButtonRepeatsAndEveryRunIsCounted) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    Control* repeat = place(main, "Button");
    repeat->setBounds(10, 20, 40, 14);
    set(main, repeat, "Type", "Repeat");
    Control* plain = place(main, "Button");
    plain->setBounds(10, 60, 40, 14);
    PreviewSession preview(workspace, kits, "Main");
    EXPECT_TRUE(preview.repeatsAt({20, 25}));
    EXPECT_FALSE(preview.repeatsAt({20, 65}));
    EXPECT_FALSE(preview.repeatsAt({150, 150}));
    for (int i = 0; i < 3; ++i)
        preview.tap({20, 25});
    EXPECT_EQ(preview.handlerRuns(), 3);
    EXPECT_EQ(preview.status(), "case " + repeat->name());
}

TEST_F(PreviewSessionTest, AListScrollsWithItsArrowsAndSelectsTheRowShown) {
    use(Library::PToolboxLib);
    Form& main = newForm("Main");
    auto* list = static_cast<ItemsControl*>(place(main, "List"));
    list->setItems({"One", "Two", "Three", "Four"});
    set(main, list, "MaxItems", "2");
    list->setLeft(10);
    list->setTop(20);
    PreviewSession preview(workspace, kits, "Main");
    const auto copy = [&] {
        return static_cast<const ItemsControl*>(shownCopy(preview, list->name()));
    };
    const Point down{list->left() + list->width() - 5, list->top() + list->height() - 5};
    const Point up{list->left() + list->width() - 5, list->top() + 3};
    const Point firstRow{list->left() + 5, list->top() + 3};
    struct Step {
        const char* what;
        Point tap;
        int firstShown, selected;
    } steps[] = {
        // Where no arrow shows, the tap lands on the row under it.
        {"up, at the top: the first row", up, 0, 0},    {"down", down, 1, 0},
        {"the first row shown", firstRow, 1, 1},        {"down", down, 2, 1},
        {"down, at the end: the last row", down, 2, 3}, {"up", up, 1, 3},
    };
    for (const Step& s : steps) {
        preview.tap(s.tap);
        EXPECT_EQ(copy()->firstShown(), s.firstShown) << s.what;
        EXPECT_EQ(copy()->selectedItem(), s.selected) << s.what;
    }
    // Drawn as the painters draw a list scrolled so.
    list->setFirstShown(1);
    list->setSelectedItem(3);
    EXPECT_EQ(preview.screen(renderer), renderer.surface(main, FormRenderer::Aids::Hidden));
}

} // namespace
} // namespace ornadeck
