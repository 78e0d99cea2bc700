#include "workbench/BitmapEditor.h"

#include "cclib/TCCBitmap.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

constexpr std::uint8_t kLeft = ShiftState::LeftButton;
constexpr std::uint8_t kShift = ShiftState::Shift;

TEST(BitmapEditor, OpensOnThePictureAndEncodesRowByRow) {
    struct Case {
        int width, height;
        std::string bits;
        std::string stored; // after OK without edits
    };
    const Case cases[] = {
        {8, 2, "", "0000"},     // empty text: all white
        {4, 2, "9f", "9f"},     // one digit per row
        {5, 2, "f880", "f880"}, // the fifth pixel is the high bit of the second digit
        {2, 2, "f", "c0"},      // bits beyond the width are dropped
        {6, 2, "cc30", "cc30"}, {3, 1, "zz", "0"}, // not hex: white
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        BitmapEditor editor(c.width, c.height, c.bits);
        EXPECT_EQ(editor.encoded(), c.stored);
    }
    BitmapEditor two(2, 2, "f");
    EXPECT_TRUE(two.bits().at(0, 0));
    EXPECT_TRUE(two.bits().at(1, 0));
    EXPECT_FALSE(two.bits().at(0, 1));
}

TEST(BitmapEditor, PressTogglesAndMovesPaintOnlyWithTheLeftButton) {
    BitmapEditor editor(5, 3, "");
    EXPECT_FALSE(editor.current());
    editor.press({4, 0});
    EXPECT_TRUE(editor.bits().at(4, 0));
    EXPECT_EQ(editor.current(), (Point{4, 0}));
    editor.press({4, 0});
    EXPECT_FALSE(editor.bits().at(4, 0));

    struct Case {
        std::uint8_t held;
        bool before, after;
        bool followed;
    };
    const Case cases[] = {
        {kLeft, false, true, true},
        {kLeft | kShift, true, false, true},
        {kLeft | ShiftState::Ctrl, false, false, true},
        {kLeft | ShiftState::RightButton, true, true, true},
        {kShift, true, true, false},
        {ShiftState::RightButton, false, false, false},
        {0, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.held));
        BitmapEditor e(5, 3, c.before ? "004000" : "");
        e.press({0, 0});
        e.move({1, 1}, ShiftState(c.held));
        EXPECT_EQ(e.bits().at(1, 1), c.after);
        EXPECT_EQ(e.current(), c.followed ? (Point{1, 1}) : (Point{0, 0}));
    }
    // Outside the picture nothing changes.
    editor.press({1, 1});
    editor.move({5, 1}, ShiftState(kLeft));
    editor.move({-1, 0}, ShiftState(kLeft));
    for (Point outside : {Point{9, 9}, Point{5, 0}, Point{0, 3}, Point{-1, 0}, Point{0, -1}})
        editor.press(outside);
    EXPECT_EQ(editor.current(), (Point{1, 1}));
    EXPECT_EQ(editor.encoded(), "004000");
}

TEST(BitmapEditor, ClearAsksAndOnlyYesErases) {
    test::FakeUi ui;
    BitmapEditor editor(4, 1, "f");
    ui.answers = {Answer::No};
    EXPECT_FALSE(editor.clear(ui));
    EXPECT_EQ(editor.encoded(), "f");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "This operation erase the bitmap. Are you sure?");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(editor.clear(ui));
    EXPECT_EQ(editor.encoded(), "0");
}

TEST(BitmapEditor, OnlyStoreTouchesThePicture) {
    test::FakeUi ui;
    TCCBitmap picture;
    picture.setBounds(0, 0, 8, 2);
    picture.setStringBits("ff00");
    BitmapEditor editor(picture);
    editor.clear(ui);
    editor.press({0, 1});
    EXPECT_EQ(picture.stringBits(), "ff00"); // Cancel: nothing stored
    editor.store(picture);
    EXPECT_EQ(picture.stringBits(), "0080");
}

TEST(BitmapEditor, WindowFitsTheGridAndTheButtonColumn) {
    struct Case {
        int width, height, clientWidth, clientHeight;
    };
    const Case cases[] = {
        {1, 1, 91, 198},
        {2, 9, 102, 198},
        {2, 10, 102, 110},
        {40, 40, 520, 440},
    };
    for (const Case& c : cases) {
        BitmapEditor editor(c.width, c.height, "");
        EXPECT_EQ(editor.clientWidth(), c.clientWidth);
        EXPECT_EQ(editor.clientHeight(), c.clientHeight);
    }
    EXPECT_EQ(BitmapEditor::refusal(160, 160), "");
    EXPECT_NE(BitmapEditor::refusal(160, 161), "");
    EXPECT_NE(BitmapEditor::refusal(32767, 1), "");
}

} // namespace
} // namespace ornadeck
