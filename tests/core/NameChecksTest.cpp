#include "model/ItemsControl.h"
#include "support/CheckFixture.h"

namespace ornadeck {
namespace {

using test::CheckFixture;
using Subjects = std::vector<std::string>;

class NameChecks : public CheckFixture {};

// The case: the generated code declares one Button1 for the whole project.
TEST_F(NameChecks, ASharedControlNameIsFoundOnBothFormsInEitherLibrary) {
    for (Library library : {Library::CControls, Library::PToolboxLib}) {
        forms.clear();
        use(library);
        Form& first = addForm("First");
        Form& second = addForm("Second");
        set(place(first, "Button"), "Name", "Button1");
        Control* other = place(second, "Button");
        set(other, "Name", "Ok");
        EXPECT_EQ(subjects("names.duplicate-across-forms"), Subjects{}) << int(library);
        set(other, "Name", "Button1");
        const auto found = only("names.duplicate-across-forms");
        ASSERT_EQ(found.size(), 2u) << int(library);
        EXPECT_EQ(found[0].form, "First");
        EXPECT_EQ(found[1].form, "Second");
        EXPECT_EQ(found[0].severity, Severity::Error);
        EXPECT_NE(found[0].message.find("control Button1 on form Second"), std::string::npos)
            << found[0].message;
    }
}

TEST_F(NameChecks, ReservedWordsAndTheLibrarysOwnNamesAreRefusedCaseSensitively) {
    struct Case {
        Library library;
        const char* name;
        const char* id; // empty: no finding
    };
    const Case cases[] = {
        {Library::CControls, "int", "names.reserved-word"},
        {Library::CControls, "while", "names.reserved-word"},
        {Library::PToolboxLib, "string", "names.reserved-word"},
        {Library::CControls, "Int", ""},
        {Library::CControls, "interval", ""},
        {Library::CControls, "title", "names.library-name"},
        {Library::CControls, "Cbutton", "names.library-name"},
        {Library::CControls, "e", "names.library-name"},
        {Library::CControls, "Button", ""},
        {Library::PToolboxLib, "Button", "names.library-name"},
        {Library::PToolboxLib, "DRAW", "names.library-name"},
        {Library::PToolboxLib, "butID", "names.library-name"},
        {Library::PToolboxLib, "title", ""},
    };
    for (const Case& c : cases) {
        forms.clear();
        use(c.library);
        set(place("Label"), "Name", c.name);
        const Subjects expected = c.id[0] ? Subjects{std::string(c.id) + " " + c.name} : Subjects{};
        EXPECT_EQ(family("names."), expected) << c.name;
    }
    forms.clear();
    use(Library::CControls);
    addForm("while");
    EXPECT_EQ(subjects("names.reserved-word"), Subjects{"while"});
}

TEST_F(NameChecks, ANameTheCodeMakesForAnotherObjectClashes) {
    use(Library::CControls);
    set(place("Label"), "Name", "MainDraw");
    set(place("Dialog"), "Name", "Ask");
    set(place(form(), "Button", 10, 10, form().findByName("Ask")), "Name", "hAsk");
    // Both sides are told: the control and the form its name was made from.
    const auto found = only("names.generated-name");
    std::vector<std::string> lines;
    for (const Finding& f : found)
        lines.push_back(f.subject() + ": " + f.message);
    EXPECT_EQ(lines, (Subjects{"Main: the generated code makes MainDraw from this name and "
                               "declares it for control MainDraw on form Main as well",
                               "MainDraw: the generated code declares MainDraw for form Main as "
                               "well",
                               "Ask: the generated code makes hAsk from this name and declares it "
                               "for control hAsk on form Main as well",
                               "hAsk: the generated code declares hAsk for dialog Ask on form Main "
                               "as well"}));
}

// The menu bar and the menus are declared too, with the bar's handler.
TEST_F(NameChecks, MenuNamesAreDeclaredWithTheBarsHandler) {
    use(Library::CControls);
    Form& first = addForm("First");
    Control* menu = place(first, "Menu"); // and the bar, MenuBarFirst
    Form& second = addForm("Second");
    set(place(second, "Label"), "Name", menu->name());
    set(place(second, "Button"), "Name", "OnMenuBarFirst");
    EXPECT_EQ(family("names."), (Subjects{"names.generated-name MenuBarFirst",
                                          "names.duplicate-across-forms " + menu->name(),
                                          "names.duplicate-across-forms " + menu->name(),
                                          "names.generated-name OnMenuBarFirst"}));
}

TEST_F(NameChecks, PToolboxNumbersOfRadioItemsAndItemArraysClash) {
    use(Library::PToolboxLib);
    place("Radio"); // Radio1 with items A, B, C: Radio10, Radio11, Radio12
    set(place("Label"), "Name", "Radio11");
    set(place("List"), "Name", "Colours"); // items One, Two, Three: itmColours
    set(place("Button"), "Name", "itmColours");
    // Only a list with items has an item array; a radio group has none.
    static_cast<ItemsControl*>(place("List"))->setItems({});
    set(place("Push"), "Name", "itmList5");
    set(place("Push"), "Name", "itmRadio1");
    EXPECT_EQ(subjects("names.generated-name"),
              (Subjects{"Radio1", "Radio11", "Colours", "itmColours"}));
}

// A name that never reaches the code cannot clash: a PToolboxLib bitmap takes no number, a
// CControls picture that is not clickable has no handle.
TEST_F(NameChecks, ObjectsTheCodeNeverNamesAreLeftAlone) {
    use(Library::PToolboxLib);
    set(place("Bitmap"), "Name", "MainDraw");
    set(place("GSI"), "Name", "int");
    EXPECT_EQ(family("names."), Subjects{});

    forms.clear();
    use(Library::CControls);
    Control* picture = place("Image");
    set(picture, "Clickable", "No");
    set(picture, "Name", "int");
    EXPECT_EQ(family("names."), Subjects{});
    set(picture, "Clickable", "Yes");
    EXPECT_EQ(subjects("names.reserved-word"), Subjects{"int"});
}

TEST_F(NameChecks, TwoFormsOfOneNameAndFormNamesThatAreNoIdentifiers) {
    use(Library::PToolboxLib);
    addForm("Main");
    addForm("Main");
    addForm("My Form");
    EXPECT_EQ(subjects("names.duplicate-form"), (Subjects{"Main", "Main"}));
    EXPECT_EQ(subjects("names.not-identifier"), Subjects{"My Form"});
}

} // namespace
} // namespace ornadeck
