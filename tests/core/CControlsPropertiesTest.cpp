#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCSwitch.h"
#include "support/CControlsFixture.h"

#include <climits>

namespace ornadeck {
namespace {

using CControlsProperties = test::CControlsFixture;

TEST_F(CControlsProperties, RowsAreTheKindsListInOrder) {
    using Names = std::vector<std::string_view>;
    EXPECT_EQ(engine.propertyNames(place("Button")),
              (Names{"Content", "Edge", "Font", "Height", "Left", "Line", "Name", "ShowForm", "Top",
                     "Width"}));
    EXPECT_EQ(engine.propertyNames(place("EditLine")),
              (Names{"Content", "Left", "Line", "Name", "Style", "Top", "Width"}));
    EXPECT_EQ(engine.propertyNames(place("Image")),
              (Names{"Bitmap", "Clickable", "Height", "Left", "Name", "Top", "Width"}));
    EXPECT_EQ(engine.propertyNames(nullptr), (Names{"Name", "Title"}));
}

TEST_F(CControlsProperties, WordsRoundTripAndUnknownWordsChangeNothing) {
    struct Case {
        const char* tool;
        const char* prop;
        std::vector<const char*> accepted;
        const char* rejected;
    };
    const Case cases[] = {
        {"Button", "Line", {"White", "Black", "Gray"}, "Blue"},
        {"Label", "Style", {"Plain", "Underlined", "Boxed"}, "boxed"},
        {"Edit", "Alignment", {"Left", "Center", "Right"}, "Centre"},
        {"Label", "Font", {"Standard", "Bold", "Large", "LargeBold"}, "Huge"},
    };
    for (const Case& c : cases) {
        Control* made = place(c.tool);
        for (const char* word : c.accepted) {
            ASSERT_TRUE(set(made, c.prop, word).ok());
            EXPECT_EQ(get(made, c.prop), word) << c.tool << "." << c.prop;
        }
        ASSERT_TRUE(set(made, c.prop, c.rejected).ok());
        EXPECT_EQ(get(made, c.prop), c.accepted.back()) << c.tool << "." << c.prop;
    }
}

TEST_F(CControlsProperties, TwoWordPropertiesStoreByTheirKeyword) {
    struct Case {
        const char* tool;
        const char* prop;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"CheckBox", "State", "True", "True"}, {"CheckBox", "State", "true", "False"},
        {"Switch", "State", "True", "True"},   {"Switch", "State", "Yes", "False"},
        {"DropDown", "TestItems", "No", "No"}, {"DropDown", "TestItems", "maybe", "Yes"},
        {"PopUp", "Test", "No", "No"},         {"PopUp", "Test", "", "Yes"},
        {"Image", "Clickable", "No", "No"},    {"Image", "Clickable", "yes", "No"},
        {"Image", "Clickable", "Yes", "Yes"},
    };
    for (const Case& c : cases) {
        Control* made = place(c.tool);
        ASSERT_TRUE(set(made, c.prop, c.typed).ok());
        EXPECT_EQ(get(made, c.prop), c.shown) << c.tool << "." << c.prop << " = " << c.typed;
    }
}

TEST_F(CControlsProperties, LineValueOutsideTheVocabularyShowsEmpty) {
    auto* button = static_cast<TCCButton*>(place("Button"));
    button->setLine(7);
    EXPECT_EQ(get(button, "Line"), "");
}

TEST_F(CControlsProperties, NumbersAreStrictAndABadOneChangesNothing) {
    Control* button = place("Button", 20, 30);
    for (const char* bad : {"", "-", "12a", " 5", "1.5", "99999999999", "0x10"}) {
        Status s = set(button, "Left", bad);
        EXPECT_FALSE(s.ok()) << bad;
        EXPECT_EQ(s.message(), std::string("'") + bad + "' is not a valid integer value");
    }
    EXPECT_EQ(button->userLeft(), 20);
    ASSERT_TRUE(set(button, "Left", "-3").ok());
    EXPECT_EQ(button->left(), -4);
}

TEST_F(CControlsProperties, PalmAndWindowValuesPerKind) {
    Control* radio = place("Radio", 20, 30);
    EXPECT_EQ(radio->left(), 20); // Radio is placed by its window, Button by its Palm point
    Control* button = place("Button", 20, 30);
    EXPECT_EQ(button->left(), 19);
    EXPECT_EQ(get(button, "Left"), "20");
    Control* box = place("CheckBox");
    ASSERT_TRUE(set(box, "Width", "70").ok());
    EXPECT_EQ(box->width(), 70); // a check box's Width is its window width
    Control* image = place("Image", 20, 30);
    ASSERT_TRUE(set(image, "Left", "3").ok());
    EXPECT_EQ(image->left(), 3);
}

TEST_F(CControlsProperties, ImageIsAtMostFortyPixelsEachWay) {
    Control* image = place("Image");
    ASSERT_TRUE(set(image, "Width", "41").ok());
    EXPECT_EQ(image->width(), 40);
    EXPECT_EQ(ui.lastText(), "The maximum width of a Image control is 40");
    image->setHeight(55); // e.g. read so from a file
    EXPECT_EQ(get(image, "Height"), "40");
    EXPECT_EQ(image->height(), 40);
    EXPECT_EQ(ui.lastText(), "The maximum height of a Image control is 40");
    const auto shown = ui.messages.size();
    ASSERT_TRUE(set(image, "Height", "40").ok());
    EXPECT_EQ(ui.messages.size(), shown);
}

TEST_F(CControlsProperties, MenuLeftIsTypedFourPixelsLeftOfItsTitle) {
    auto* menu = static_cast<TCCMenu*>(place("MenuBar"));
    ASSERT_TRUE(set(menu, "Left", "10").ok());
    EXPECT_EQ(get(menu, "Left"), "14");
    ASSERT_TRUE(set(menu, "Width", "60").ok());
    EXPECT_EQ(menu->userWidth(), 60);
    EXPECT_EQ(menu->width(), 63);
}

TEST_F(CControlsProperties, MenuBarTestNoClosesAndHidesEveryMenu) {
    auto* first = static_cast<TCCMenu*>(place("MenuBar"));
    auto* second = static_cast<TCCMenu*>(place("MenuBar"));
    auto* bar = static_cast<TCCMenuBar*>(form.menuBar());
    ASSERT_TRUE(set(bar, "Test", "No").ok());
    EXPECT_FALSE(bar->visible());
    for (auto* m : {first, second}) {
        EXPECT_FALSE(m->visible());
        EXPECT_EQ(m->test(), 0);
    }
    workspace.inspectorRow = "Test";
    ASSERT_TRUE(set(first, "Test", "Yes").ok());
    EXPECT_TRUE(bar->visible());
    EXPECT_TRUE(first->visible());
    EXPECT_EQ(second->test(), 0);
}

TEST_F(CControlsProperties, RenameRebuildsTheListAndRefusesClashes) {
    Control* a = place("Button");
    Control* b = place("Label");
    Status s = set(b, "Name", "Button1");
    EXPECT_EQ(s.message(), "A component named Button1 already exists");
    EXPECT_EQ(b->name(), "Label2");
    ASSERT_TRUE(set(a, "Name", "OkButton").ok());
    EXPECT_EQ(form.components().front().text, "OkButton: Button");
}

TEST_F(CControlsProperties, FormRowsSetNameAndTitle) {
    engine.showProperties(form, nullptr);
    ASSERT_TRUE(engine.setProperty("Title", "Hello").ok());
    ASSERT_TRUE(engine.setProperty("Name", "Other").ok());
    EXPECT_EQ(form.surface().title(), "Hello");
    EXPECT_EQ(get(nullptr, "Name"), "Other");
}

TEST_F(CControlsProperties, FormNameThatIsNoIdentifierIsRefusedAndChangesNothing) {
    engine.showProperties(form, nullptr);
    engine.rebuildComponentList(form);
    for (const char* bad : {"", "my form", "1st", "Form-2", "Caf\xc3\xa9"}) {
        const Status s = engine.setProperty("Name", bad);
        EXPECT_EQ(s.message(), "''" + std::string(bad) + "'' is not a valid component name");
        EXPECT_EQ(form.name(), "Main");
        EXPECT_EQ(form.components().back().text, "Main: Form");
    }
    ASSERT_TRUE(engine.setProperty("Name", "_Second2").ok());
    EXPECT_EQ(form.components().back().text, "_Second2: Form");
}

// Whatever is typed into any row of any kind, nothing crashes and no control is left
// without a usable rectangle or name.
TEST_F(CControlsProperties, HostileTextInEveryRowLeavesControlsUsable) {
    const char* hostile[] = {"",        "-",   "2147483647", "-2147483648", "-500",   "99999999999",
                             "my name", "Yes", "True",       "\n[X]\nA=1",  "(None)", "0"};
    for (const char* tool : {"Button", "Label", "CheckBox", "Switch", "Edit", "EditLine", "ListBox",
                             "Radio", "DropDown", "PopUp", "Image", "Dialog", "MenuBar"}) {
        Control* c = place(tool);
        ASSERT_NE(c, nullptr) << tool;
        for (std::string_view row : engine.propertyNames(c))
            for (const char* text : hostile) {
                (void)set(c, row, text);
                EXPECT_GE(c->width(), 1);
                EXPECT_GE(c->height(), 1);
                EXPECT_FALSE(c->name().empty());
                EXPECT_TRUE(form.contains(c));
            }
    }
}

} // namespace
} // namespace ornadeck
