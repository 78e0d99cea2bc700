#include "shell/InspectorRules.h"

#include "cclib/TCCBitmap.h"
#include "model/Control.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

using Strings = std::vector<std::string>;

TEST(InspectorRules, NumericRowsHoldBackPartialNumbers) {
    struct Case {
        std::string_view name;
        std::string_view value;
        bool sent;
    };
    const Case cases[] = {
        {"Left", "", false},
        {"Left", "-", false},
        {"Left", "-5", true},
        {"Left", "--", true},
        {"Left", "abc", true},
        {"MaxChars", "", false},
        {"GroupNumber", "-", false},
        {"TopicWidth", "", false},
        {"SelectedItem", "", false},
        // Names inside the numeric list text count as numeric too.
        {"Topic", "", false},
        {"Items", "", false},
        {"Width", "", false},
        {"Text", "", true},
        {"Name", "-", true},
        {"Content", "", true},
        {"ShowForm", "", true},
        {"Title", "", true},
        {"Font", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valorOk(c.name, c.value), c.sent) << c.name << " = '" << c.value << "'";
}

TEST(InspectorRules, PickListsByNameAndByClass) {
    EXPECT_EQ(fixedPickList("Font", nullptr), (Strings{"Standard", "Bold", "Large", "LargeBold"}));
    EXPECT_EQ(fixedPickList("Frame", nullptr), (Strings{"Standard", "Bold", "Square", "No Frame"}));
    EXPECT_EQ(fixedPickList("Line", nullptr), (Strings{"White", "Black", "Gray"}));
    for (const char* name : {"State", "SingleLine", "NumbersOnly"})
        EXPECT_EQ(fixedPickList(name, nullptr), (Strings{"False", "True"})) << name;
    for (const char* name : {"Underline", "Editable"})
        EXPECT_EQ(fixedPickList(name, nullptr), (Strings{"True", "False"})) << name;
    for (const char* name : {"Test", "TestItems", "Clickable"})
        EXPECT_EQ(fixedPickList(name, nullptr), (Strings{"No", "Yes"})) << name;
    for (const char* name : {"Text", "Left", "Items", "Bitmap", "ShowForm", "Trigger"})
        EXPECT_FALSE(fixedPickList(name, nullptr)) << name;

    const Control label(ClassId::CCLabel), edit(ClassId::CCEdit), list(ClassId::PTList);
    const TCCBitmap other;
    EXPECT_EQ(fixedPickList("Style", &label), (Strings{"Plain", "Underlined", "Boxed"}));
    EXPECT_EQ(fixedPickList("Style", &edit), (Strings{"Plain", "Underlined", "Boxed"}));
    EXPECT_EQ(fixedPickList("Style", &list),
              (Strings{"Stand-alone", "Pop-triggered", "Popup-list"}));
    EXPECT_EQ(fixedPickList("Style", &other), Strings{});
}

TEST(InspectorRules, ItemsFirstThenPickListsThenBitmap) {
    EXPECT_EQ(editorFor("Items", true), ValueEditor::ItemsBox);
    EXPECT_EQ(editorFor("Items", false), ValueEditor::ItemsBox);
    EXPECT_EQ(editorFor("Font", true), ValueEditor::PickList);
    EXPECT_EQ(editorFor("Bitmap", false), ValueEditor::BitmapBox);
    EXPECT_EQ(editorFor("Style", false), ValueEditor::Text);
    EXPECT_EQ(editorFor("Left", false), ValueEditor::Text);
}

} // namespace
} // namespace ornadeck
