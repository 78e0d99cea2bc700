#include "cclib/TCCButton.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTList.h"
#include "support/PToolboxFixture.h"

namespace ornadeck {
namespace {

using PToolboxProperties = test::PToolboxFixture;
using Names = std::vector<std::string_view>;

const char* const kAllTools[] = {"Button",     "Push",  "Select", "CheckBox", "Label",  "List",
                                 "PopTrigger", "Field", "Dialog", "GSI",      "Bitmap", "Radio"};

TEST_F(PToolboxProperties, EveryListedRowCanBeRead) {
    for (const char* tool : kAllTools) {
        Control* c = place(tool);
        EXPECT_FALSE(engine.propertyNames(c).empty()) << tool;
        // A listed row missing from the kind's table would read empty.
        for (std::string_view row : engine.propertyNames(c))
            EXPECT_NE(get(c, row), "") << tool << "." << row;
    }
    EXPECT_EQ(engine.propertyNames(place("Select")),
              (Names{"Align", "Font", "Height", "Left", "Name", "Text", "Top"}));
}

TEST_F(PToolboxProperties, WordsStoreByTheirKeyword) {
    struct Case {
        const char* tool;
        const char* prop;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"Button", "Type", "standard", "Repeat"}, // only the exact word is Standard
        {"Button", "Type", "Standard", "Standard"},
        {"Button", "Frame", "No Frame", "No Frame"},
        {"Button", "Frame", "Rounded", "Standard"},
        {"Push", "State", "True", "True"},
        {"Push", "State", "Yes", "False"},
        {"Field", "Underline", "Yes", "False"},
        {"Field", "Underline", "True", "True"},
        {"Field", "Editable", "True", "True"},
        {"Field", "Justification", "Centre", "Right"},
        {"Field", "Justification", "Left", "Left"},
        {"Field", "SingleLine", "True", "True"},
        {"Field", "NumbersOnly", "no", "False"},
        {"Radio", "Orientation", "vertical", "Vertical"},
        {"Radio", "Orientation", "Horizontal", "Horizontal"},
        {"List", "Style", "Popup-list", "Popup-list"},
        {"List", "Style", "Popup", "Stand-alone"},
    };
    for (const Case& c : cases) {
        Control* made = place(c.tool);
        ASSERT_TRUE(set(made, c.prop, c.typed).ok());
        EXPECT_EQ(get(made, c.prop), c.shown) << c.tool << "." << c.prop << " = " << c.typed;
    }
}

TEST_F(PToolboxProperties, StoredValueOutsideAVocabularyShowsEmpty) {
    auto* button = placeAs<TPTButton>("Button");
    button->setFrame(7);
    EXPECT_EQ(get(button, "Frame"), "");
    auto* select = placeAs<TCCButton>("Select");
    select->setAlignment(Alignment::Center);
    EXPECT_EQ(get(select, "Align"), "");
    auto* field = placeAs<TPTEdit>("Field");
    field->setJustification(5); // any non-zero value is right
    EXPECT_EQ(get(field, "Justification"), "Right");
    ASSERT_TRUE(set(field, "Underline", "Yes").ok());
    EXPECT_EQ(field->underline(), 1); // the library's bit: 1 is not underlined
}

TEST_F(PToolboxProperties, SelectAlignMovesOnlyWhenTheSideChanges) {
    auto* select = placeAs<TCCButton>("Select", 20, 30);
    const int left = select->left();
    for (const char* side : {"Right", "Right"})
        ASSERT_TRUE(set(select, "Align", side).ok());
    EXPECT_EQ(select->left(), left + 5);
    EXPECT_EQ(select->alignment(), Alignment::Right);
    ASSERT_TRUE(set(select, "Align", "Center").ok()); // not a select box word
    EXPECT_EQ(select->alignment(), Alignment::Right);
    ASSERT_TRUE(set(select, "Align", "Left").ok());
    EXPECT_EQ(select->left(), left);
    ASSERT_TRUE(set(select, "Align", "Left").ok());
    EXPECT_EQ(select->left(), left);
}

TEST_F(PToolboxProperties, SelectWidthFollowsItsText) {
    auto* select = placeAs<TCCButton>("Select");
    ASSERT_TRUE(set(select, "Text", "OK").ok());
    EXPECT_EQ(select->width(), 2 * 5 + 7);
    ASSERT_TRUE(set(select, "Font", "Large").ok());
    EXPECT_EQ(select->width(), 2 * 7 + 7);
}

TEST_F(PToolboxProperties, CheckBoxGroupNumberKeepsItsLowByte) {
    Control* box = place("CheckBox");
    const std::pair<const char*, const char*> cases[] = {
        {"300", "44"}, {"255", "255"}, {"256", "0"}, {"-1", "255"}, {"-2147483648", "0"}};
    for (auto [typed, shown] : cases) {
        ASSERT_TRUE(set(box, "GroupNumber", typed).ok());
        EXPECT_EQ(get(box, "GroupNumber"), shown) << typed;
    }
}

TEST_F(PToolboxProperties, ListTriggerDecidesTheStyle) {
    auto* list = placeAs<TPTList>("List");
    const std::pair<const char*, int> cases[] = {
        {"Pop7", 1}, {"(None)", 0}, {"", 1}, {"(none)", 1}, {"NoSuchTrigger", 1}};
    for (auto [trigger, style] : cases) {
        ASSERT_TRUE(set(list, "Style", "Popup-list").ok());
        ASSERT_TRUE(set(list, "Trigger", trigger).ok());
        EXPECT_EQ(list->style(), style) << trigger;
        EXPECT_EQ(get(list, "Trigger"), trigger);
    }
}

TEST_F(PToolboxProperties, PalmOrWindowValuesPerKind) {
    struct Case {
        const char* tool;
        const char* prop;
        int typed;
        int (Control::*window)() const;
        int expected;
    };
    const Case cases[] = {
        {"Button", "Width", 10, &Control::width, 14},
        {"Push", "Height", 20, &Control::height, 22},
        {"Select", "Top", 5, &Control::top, 4},
        {"CheckBox", "Left", 5, &Control::left, 4},
        {"CheckBox", "Width", 70, &Control::width, 70},
        {"List", "Width", 40, &Control::width, 43},
        {"Label", "Left", 7, &Control::left, 7},
        {"GSI", "Top", 3, &Control::top, 3},
        {"Radio", "Width", 100, &Control::width, 101},
    };
    for (const Case& c : cases) {
        Control* made = place(c.tool);
        ASSERT_TRUE(set(made, c.prop, std::to_string(c.typed)).ok());
        EXPECT_EQ((made->*c.window)(), c.expected) << c.tool << "." << c.prop;
    }
}

TEST_F(PToolboxProperties, HostileTextInEveryRowLeavesControlsUsable) {
    const char* hostile[] = {"",        "-",   "2147483647", "-2147483648", "-500",   "99999999999",
                             "my name", "Yes", "True",       "\n[X]\nA=1",  "(None)", "0"};
    for (const char* tool : kAllTools) {
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
        c->afterMouseRelease();
        EXPECT_GE(c->height(), 1) << tool;
    }
}

} // namespace
} // namespace ornadeck
