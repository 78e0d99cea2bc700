#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCDropDown.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCLabel.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "model/TPTDialog.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace ornadeck {
namespace {

struct PalmCase {
    const char* kind;
    std::function<std::unique_ptr<Control>()> make;
    int dLeft, dTop, dWidth; // Palm value minus window value
};

class PalmRectangle : public testing::TestWithParam<PalmCase> {};

TEST_P(PalmRectangle, GettersAndSettersAreInverse) {
    const auto& p = GetParam();
    auto c = p.make();
    c->setBounds(0, 0, 50, 20);
    EXPECT_EQ(c->userLeft(), p.dLeft);
    EXPECT_EQ(c->userTop(), p.dTop);
    EXPECT_EQ(c->userWidth(), 50 + p.dWidth);
    c->setUserLeft(0);
    c->setUserTop(7);
    c->setUserWidth(30);
    EXPECT_EQ(c->left(), -p.dLeft);
    EXPECT_EQ(c->top(), 7 - p.dTop);
    EXPECT_EQ(c->width(), 30 - p.dWidth);
    EXPECT_EQ(c->userLeft(), 0);
    EXPECT_EQ(c->userWidth(), 30);
}

template <class T> std::function<std::unique_ptr<Control>()> maker() {
    return [] { return std::make_unique<T>(); };
}

INSTANTIATE_TEST_SUITE_P(AllClasses, PalmRectangle,
                         testing::Values(PalmCase{"Button", maker<TCCButton>(), 1, 1, -2},
                                         PalmCase{"Switch", maker<TCCSwitch>(), 1, 1, -2},
                                         PalmCase{"Edit", maker<TCCEdit>(), 1, 1, -2},
                                         PalmCase{"Label", maker<TCCLabel>(), 1, 1, -2},
                                         PalmCase{"ListBox", maker<TCCListBox>(), 1, 1, -2},
                                         PalmCase{"DropDown", maker<TCCDropDown>(), 1, 1, -3},
                                         PalmCase{"PopUp", maker<TCCPopUp>(), 1, 1, -3},
                                         PalmCase{"Radio", maker<TCCRadio>(), 1, 1, -2},
                                         PalmCase{"Image", maker<TCCBitmap>(), 0, 0, 0},
                                         PalmCase{"Dialog", maker<TPTDialog>(), 2, 2, -4}),
                         [](const auto& param) { return std::string(param.param.kind); });

TEST(RadioGeometry, WidthStaysAMultipleOfTheOptionCount) {
    TCCRadio r;
    r.setItems({"A", "B", "C"});
    r.setUserWidth(100);
    EXPECT_EQ(r.width(), 101);
    EXPECT_EQ(r.userWidth(), 97);
}

TEST(RadioGeometry, OrientationKeepsCellSizes) {
    struct Case {
        std::vector<std::string> items;
        int stackedW, stackedH, backW, backH;
    };
    for (const Case& c : {Case{{"A", "B", "C"}, 11, 40, 31, 14}, Case{{}, 31, 1, 1, 1}}) {
        TCCRadio r;
        r.setItems(c.items);
        r.setOrientation(1);
        EXPECT_EQ(r.width(), c.stackedW);
        EXPECT_EQ(r.height(), c.stackedH);
        r.setOrientation(1); // unchanged orientation only repaints
        EXPECT_EQ(r.height(), c.stackedH);
        r.setOrientation(0);
        EXPECT_EQ(r.width(), c.backW);
        EXPECT_EQ(r.height(), c.backH);
    }
}

TEST(ListGeometry, HeightFollowsVisibleRows) {
    TCCListBox list;
    list.setVisibleItems(3);
    EXPECT_EQ(list.height(), 35);
    TCCDropDown drop;
    drop.setVisibleItems(3);
    EXPECT_EQ(drop.height(), 36);
    EXPECT_EQ(drop.visibleItems(), 3);
    TCCPopUp pop;
    pop.setVisibleItems(3);
    EXPECT_EQ(pop.height(), 36);
}

TEST(ListGeometry, MouseReleaseSnapsToWholeRows) {
    TCCListBox list;
    list.setHeight(40);
    list.afterMouseRelease();
    EXPECT_EQ(list.visibleItems(), 3);
    EXPECT_EQ(list.height(), 35);
    TCCDropDown drop; // rows are the height of an "A" in its font
    drop.setHeight(40);
    drop.afterMouseRelease();
    EXPECT_EQ(drop.height(), 36);
}

TEST(TextLineGeometry, DrawnThirteenHighWhateverItIsGiven) {
    TCCLabel label;
    label.setHeight(20);
    EXPECT_EQ(label.height(), 13);
    TCCEdit edit;
    edit.setBounds(1, 2, 40, 3);
    EXPECT_EQ(edit.height(), 13);
    TCCCheckbox box;
    box.setHeight(30);
    EXPECT_EQ(box.height(), 13);
}

TEST(MenuGeometry, WindowCoversTitleAndDropDownBoxes) {
    TCCMenu menu;
    EXPECT_EQ(menu.userLeft(), 5);
    menu.setUserWidth(38);
    menu.setTopicWidth(50);
    EXPECT_EQ(menu.width(), 54);
    menu.setUserWidth(60);
    EXPECT_EQ(menu.width(), 63);
    menu.setUserLeft(10);
    EXPECT_EQ(menu.left(), 9);
    EXPECT_EQ(menu.userLeft(), 10);
    menu.setItems({"One", "Two"});
    EXPECT_EQ(menu.height(), 2 * 11 + 15); // as drawn
}

TEST(VisibilityFlags, TestPropertiesShowAndHide) {
    TCCPopUp pop;
    pop.setTest(0);
    EXPECT_FALSE(pop.visible());
    pop.setTest(1);
    EXPECT_TRUE(pop.visible());
    TCCMenuBar bar;
    bar.setTest(0);
    EXPECT_FALSE(bar.visible());
    TCCMenu menu;
    menu.setVisible(false);
    menu.setTest(0); // never hides, and does not show either
    EXPECT_FALSE(menu.visible());
    menu.setTest(1);
    EXPECT_TRUE(menu.visible());
}

TEST(HostileGeometry, ExtremeValuesNeitherOverflowNorLeaveEmptyWindows) {
    TCCRadio radio;
    radio.setItems(std::vector<std::string>(1000, "x"));
    for (int v : {INT_MAX, INT_MIN, -5, 0}) {
        radio.setUserWidth(v);
        radio.setUserLeft(v);
        radio.setHeight(v);
        radio.setOrientation(radio.orientation() == 0 ? 1 : 0);
        EXPECT_GE(radio.width(), 1);
        EXPECT_GE(radio.height(), 1);
        EXPECT_LE(radio.width(), Control::kCoordLimit);
        EXPECT_LE(radio.left(), Control::kCoordLimit);
    }
    TCCListBox list;
    list.setVisibleItems(INT_MAX);
    EXPECT_EQ(list.height(), Control::kCoordLimit);
    list.setVisibleItems(-3);
    EXPECT_EQ(list.height(), 1);
    TCCMenu menu;
    menu.setUserLeft(INT_MIN);
    menu.setTopicWidth(INT_MAX);
    EXPECT_EQ(menu.width(), Control::kCoordLimit);
}

} // namespace
} // namespace ornadeck
