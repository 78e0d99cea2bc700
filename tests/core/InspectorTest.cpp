#include "workbench/Inspector.h"

#include "cclib/TCCBitmap.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTList.h"
#include "support/InspectorFixture.h"

#include <gtest/gtest.h>
#include <random>

namespace ornadeck {
namespace {

using test::Strings;

using InspectorTest = test::InspectorFixture;

TEST_F(InspectorTest, PartialNumbersAreNeverSentAndRefusalsChangeNothing) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    Control* button = place(form, "Button");
    const std::string left = engineValue(button, "Left");
    struct Case {
        std::string text;
        Inspector::Sent sent;
        std::string leftAfter;
    };
    const Case cases[] = {
        {"", Inspector::Sent::No, left},        {"-", Inspector::Sent::No, left},
        {"-5", Inspector::Sent::Applied, "-5"}, {"abc", Inspector::Sent::Rejected, "-5"},
        {"12", Inspector::Sent::Applied, "12"}, {"1 2", Inspector::Sent::Rejected, "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ui.messages.clear();
        EXPECT_EQ(inspector.type(row("Left"), c.text), c.sent);
        EXPECT_EQ(engineValue(button, "Left"), c.leftAfter);
        // The cell keeps what was typed, sent or not.
        EXPECT_EQ(value("Left"), c.text);
        if (c.sent == Inspector::Sent::Rejected) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, "'" + c.text + "' is not a valid integer value");
            EXPECT_EQ(ui.messages[0].caption, "Error");
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
    }
    // Own edits do not refill the rows: the cell being typed in survives the redraw.
    EXPECT_FALSE(inspector.sync());
    EXPECT_EQ(value("Left"), "1 2");
}

// A name goes to the engine once, when its edit ends: never the names on the way there,
// nothing for the name it already has, and a refusal once, after which every row shows
// what the object holds. Other rows, sent as typed, show their corrected value at the end.
TEST_F(InspectorTest, AnEndedEditAppliesANameAndShowsWhatTheObjectHolds) {
    use(Library::CControls);
    Form& form = newForm("Main");
    Control* taken = place(form, "Button");
    Control* image = place(form, "Image");
    const std::string own = image->name();
    struct Case {
        std::string typed;
        Inspector::Sent sent;
        std::string name;
        std::size_t messages;
    };
    const Case cases[] = {
        {own, Inspector::Sent::No, own, 0},
        {"", Inspector::Sent::Rejected, own, 1},
        {taken->name(), Inspector::Sent::Rejected, own, 1},
        {"1st", Inspector::Sent::Rejected, own, 1},
        {"Logo", Inspector::Sent::Applied, "Logo", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui.messages.clear();
        const std::string before = image->name();
        for (std::size_t n = 1; n <= c.typed.size(); ++n)
            EXPECT_EQ(inspector.type(row("Name"), c.typed.substr(0, n)), Inspector::Sent::No);
        EXPECT_EQ(image->name(), before);
        EXPECT_EQ(inspector.finish(row("Name"), c.typed), c.sent);
        EXPECT_EQ(image->name(), c.name);
        EXPECT_EQ(value("Name"), c.name);
        EXPECT_EQ(ui.messages.size(), c.messages);
    }

    EXPECT_TRUE(inspector.appliesWhenEditEnds(row("Name")));
    EXPECT_FALSE(inspector.appliesWhenEditEnds(row("Width")));
    // A row past the rows is no row at all.
    const std::size_t past = inspector.rows().size();
    EXPECT_FALSE(inspector.appliesWhenEditEnds(past));
    EXPECT_EQ(inspector.type(past, "x"), Inspector::Sent::No);
    EXPECT_EQ(inspector.finish(past, "x"), Inspector::Sent::No);
    EXPECT_EQ(inspector.editorOf(past), ValueEditor::Text);
    EXPECT_TRUE(inspector.entries(past).empty());

    ui.messages.clear();
    EXPECT_EQ(inspector.type(row("Width"), "100"), Inspector::Sent::Applied);
    EXPECT_EQ(ui.lastText(), "The maximum width of a Image control is 40");
    EXPECT_EQ(value("Width"), "100"); // as typed, until the edit ends
    EXPECT_EQ(inspector.finish(row("Width"), "100"), Inspector::Sent::No); // sent already
    EXPECT_EQ(value("Width"), "40");
    EXPECT_EQ(inspector.type(row("Left"), ""), Inspector::Sent::No);
    inspector.finish(row("Left"), "");
    EXPECT_EQ(value("Left"), engineValue(image, "Left"));
}

TEST_F(InspectorTest, RowsFollowWhateverTheEngineShowsLast) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    Control* first = place(form, "Button");
    Control* second = place(form, "Label");
    EXPECT_FALSE(inspector.sync());
    EXPECT_EQ(value("Name"), second->name());

    // Shown again by the engine (a drag ends so): the rows are read again.
    first->setLeft(70);
    kits.current().engine->showProperties(form, second);
    EXPECT_TRUE(inspector.sync());
    kits.current().engine->showProperties(form, first);
    EXPECT_TRUE(inspector.sync());
    EXPECT_EQ(value("Name"), first->name());
    EXPECT_EQ(value("Left"), engineValue(first, "Left"));

    // Rows read for one object never write into another one selected since.
    workspace.selected = Selection{&form, second};
    EXPECT_EQ(inspector.type(row("Left"), "99"), Inspector::Sent::No);
    EXPECT_EQ(inspector.pick(row("Font"), "Bold"), Inspector::Sent::No);
    EXPECT_NE(engineValue(second, "Left"), "99");
    EXPECT_NE(engineValue(first, "Left"), "99");
    EXPECT_EQ(engineValue(second, "Font"), "Standard");
    EXPECT_EQ(value("Name"), first->name());
    // Rows past the end take nothing.
    EXPECT_EQ(inspector.type(inspector.rows().size(), "1"), Inspector::Sent::No);

    // Nothing selected: no rows.
    workspace.selected = {};
    EXPECT_TRUE(inspector.sync());
    EXPECT_TRUE(inspector.rows().empty());
}

// An undo makes every control anew: rows read before it offer no pick list until read again,
// and never reach the control they were read from (the sanitizer build sees a touch of it).
TEST_F(InspectorTest, RowsReadBeforeAnUndoOfferNothingUntilReadAgain) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    FormEditor& editor = editorOf(form);
    place(form, "Button");
    editor.edit("Move", [&] { workspace.selected.control->setLeft(40); });
    inspector.sync();
    const std::size_t showForm = row("ShowForm");
    ASSERT_FALSE(inspector.entries(showForm).empty());
    ASSERT_TRUE(editor.undo());
    const Control* now = workspace.selected.control;
    // The new control may take the old one's memory; only then may its list show.
    const bool sameAddress = now == inspector.shown().control;
    EXPECT_EQ(inspector.entries(showForm).empty(), !sameAddress);
    (void)inspector.editorOf(showForm);
    inspector.sync();
    EXPECT_FALSE(inspector.entries(row("ShowForm")).empty());
}

TEST_F(InspectorTest, APickedValueIsAppliedAndEveryRowIsReadAgain) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    auto* field = static_cast<TPTEdit*>(place(form, "Field"));
    ASSERT_EQ(inspector.type(row("Editable"), "False"), Inspector::Sent::Applied);
    EXPECT_EQ(entries("Editable"), (Strings{"True", "False"}));
    EXPECT_EQ(inspector.editorOf(row("Editable")), ValueEditor::PickList);
    field->setText("changed elsewhere");
    inspector.pick(row("Editable"), "True");
    EXPECT_EQ(value("Editable"), "True");
    EXPECT_EQ(field->editable(), 0);
    EXPECT_EQ(value("Text"), "changed elsewhere");
    EXPECT_FALSE(inspector.sync());
}

TEST_F(InspectorTest, EachRowGetsItsEditor) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    place(form, "List");
    EXPECT_EQ(inspector.editorOf(row("Items")), ValueEditor::ItemsBox);
    EXPECT_EQ(inspector.editorOf(row("Style")), ValueEditor::PickList);
    EXPECT_EQ(entries("Style"), (Strings{"Stand-alone", "Pop-triggered", "Popup-list"}));
    EXPECT_EQ(inspector.editorOf(row("MaxItems")), ValueEditor::Text);
    EXPECT_EQ(inspector.editorOf(row("Font")), ValueEditor::PickList);
    place(form, "Bitmap");
    EXPECT_EQ(inspector.editorOf(row("Bitmap")), ValueEditor::BitmapBox);
    EXPECT_EQ(inspector.editorOf(99), ValueEditor::Text);
    EXPECT_TRUE(inspector.entries(99).empty());

    use(Library::CControls);
    Form& cc = newForm("Other");
    place(cc, "Label");
    EXPECT_EQ(entries("Style"), (Strings{"Plain", "Underlined", "Boxed"}));
    place(cc, "Image");
    EXPECT_EQ(entries("Clickable"), (Strings{"No", "Yes"}));
}

TEST_F(InspectorTest, ShowFormOffersOtherFormsAndDialogsInWindowOrder) {
    use(Library::PToolboxLib);
    Form& second = newForm("Second");
    Control* secondDialog = place(second, "Dialog");
    Form& first = newForm("First"); // now first in the window list
    Control* button = place(first, "Button");
    Control* dialog = place(first, "Dialog");
    Control* inDialog = place(first, "Button", dialog);
    ASSERT_EQ(inDialog->parent(), dialog);

    kits.current().engine->showProperties(first, button);
    inspector.sync();
    EXPECT_EQ(entries("ShowForm"),
              (Strings{"(None)", dialog->name(), "Second", secondDialog->name()}));

    // Inside a dialog: its own form is offered, dialogs are not.
    kits.current().engine->showProperties(first, inDialog);
    inspector.sync();
    EXPECT_EQ(entries("ShowForm"), (Strings{"(None)", "First", "Second"}));

    // A closed (hidden) designer window offers nothing.
    second.setVisible(false);
    EXPECT_EQ(entries("ShowForm"), (Strings{"(None)", "First"}));
}

TEST_F(InspectorTest, TriggersArePopTriggersDirectlyOnTheActiveSurface) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    Control* a = place(form, "PopTrigger");
    Control* dialog = place(form, "Dialog");
    place(form, "PopTrigger", dialog);
    Control* b = place(form, "PopTrigger");
    place(form, "List");
    EXPECT_EQ(entries("Trigger"), (Strings{"(None)", a->name(), b->name()}));
}

TEST_F(InspectorTest, ComponentsAreSortedAndChoosingOneSelectsAndMarksIt) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    Control* dialog = place(form, "Dialog");
    Control* inDialog = place(form, "Label", dialog);
    Control* button = place(form, "Button");
    Strings texts;
    for (const ComponentEntry& e : inspector.components())
        texts.push_back(e.text);
    Strings sorted = {button->name() + ": Button", dialog->name() + ": Dialog",
                      inDialog->name() + ": Label", "Main: Form"};
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(texts, sorted);

    FormEditor designer(workspace, ui, kits, form);
    const auto entries = inspector.components();
    auto entryOf = [&](const Control* c) {
        return *std::find_if(entries.begin(), entries.end(),
                             [&](const ComponentEntry& e) { return e.control == c; });
    };
    inspector.chooseComponent(entryOf(inDialog), &designer);
    EXPECT_EQ(workspace.selected.control, inDialog);
    EXPECT_TRUE(inDialog->selected());
    EXPECT_FALSE(button->selected());
    EXPECT_EQ(value("Name"), inDialog->name());

    inspector.chooseComponent(entryOf(nullptr), &designer);
    EXPECT_TRUE(workspace.selected.isForm());
    EXPECT_FALSE(inDialog->selected());
    EXPECT_EQ(inspector.rows(), (std::vector<PropertyRow>{{"Name", "Main"}, {"Title", "Main"}}));

    // Without a designer window the choice is shown all the same, only not marked.
    inspector.chooseComponent(entryOf(button), nullptr);
    EXPECT_EQ(workspace.selected.control, button);
    EXPECT_FALSE(button->selected());

    // An entry whose object is gone is ignored.
    inspector.chooseComponent(entryOf(nullptr), &designer);
    kits.current().engine->destroyControl(form, button);
    inspector.chooseComponent(entryOf(button), &designer);
    EXPECT_TRUE(workspace.selected.isForm());
}

TEST_F(InspectorTest, ItemsAndBitmapEditorsActOnTheShownControl) {
    use(Library::PToolboxLib);
    Form& form = newForm("Main");
    auto* list = static_cast<TPTList*>(place(form, "List"));
    ui.editedItems = Strings{"One", "", "Three"};
    EXPECT_TRUE(inspector.editItems());
    EXPECT_EQ(list->items(), (Strings{"One", "", "Three"}));
    EXPECT_FALSE(inspector.openBitmap()); // not a picture

    auto* picture = static_cast<TCCBitmap*>(place(form, "Bitmap"));
    picture->setBounds(0, 0, 8, 2);
    auto editor = inspector.openBitmap();
    ASSERT_TRUE(editor);
    editor->press({0, 0});
    ASSERT_TRUE(inspector.storeBitmap(*editor));
    EXPECT_EQ(picture->stringBits(), "8000");

    // A picture resized while the editor was open keeps its pixels.
    picture->setWidth(4);
    EXPECT_FALSE(inspector.storeBitmap(*editor));
    EXPECT_EQ(picture->stringBits(), "8000");

    // One too large to edit is refused with a message.
    picture->setBounds(0, 0, 161, 10);
    EXPECT_FALSE(inspector.openBitmap());
    EXPECT_NE(ui.lastText().find("161 x 10"), std::string::npos);
}

// Random text in every row of every kind: refusals leave every value as it was, and
// nothing crashes.
TEST_F(InspectorTest, RandomTextInEveryRowNeverBreaksAControl) {
    std::mt19937 random(11);
    const std::string alphabet = "0123456789-+ abcXYZ_,.()\t\xc3\xa9\x80";
    auto randomText = [&] {
        std::string s(random() % 12, ' ');
        for (char& c : s)
            c = alphabet[random() % alphabet.size()];
        return s;
    };
    const std::pair<Library, Strings> kinds[] = {
        {Library::CControls,
         {"Button", "Switch", "Edit", "EditLine", "Label", "CheckBox", "ListBox", "Radio",
          "DropDown", "PopUp", "Image", "Menu", "Dialog"}},
        {Library::PToolboxLib,
         {"Button", "Select", "Push", "Label", "Field", "CheckBox", "PopTrigger", "List", "Radio",
          "Bitmap", "GSI", "Dialog"}},
    };
    for (const auto& [library, tools] : kinds) {
        use(library);
        Form& form = newForm("Random");
        for (const std::string& tool : tools) {
            SCOPED_TRACE(tool);
            Control* c = place(form, tool);
            ASSERT_NE(c, nullptr);
            for (std::size_t r = 0; r < inspector.rows().size(); ++r) {
                const std::string name = inspector.rows()[r].name;
                for (int i = 0; i < 100; ++i) {
                    std::string text = i == 0 ? "99999999999" : i == 1 ? "41" : randomText();
                    const auto before = kits.current().engine->showProperties(form, c);
                    inspector.sync();
                    if (inspector.type(r, text) == Inspector::Sent::Rejected) {
                        EXPECT_EQ(kits.current().engine->showProperties(form, c), before)
                            << name << " = " << text;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace ornadeck
