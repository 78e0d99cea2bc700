#include "cclib/TCCMenu.h"
#include "cclib/TCCRadio.h"
#include "model/ItemsControl.h"
#include "model/SilentUi.h"
#include "render/PalmFonts.h"
#include "support/CheckFixture.h"

namespace ornadeck {
namespace {

using test::CheckFixture;
using Subjects = std::vector<std::string>;

class GeometryChecks : public CheckFixture {};

TEST_F(GeometryChecks, ControlsReachingOutsideTheScreenOrTheirDialog) {
    use(Library::CControls);
    struct Case {
        int left, top;
        bool outside;
    };
    // A Button is 40 x 14: its Palm rectangle is one pixel inside that.
    for (const Case& c :
         {Case{0, 0, false}, Case{-1, -1, false}, Case{121, 147, false}, Case{122, 100, true},
          Case{10, 148, true}, Case{-2, 10, true}, Case{10, -2, true}, Case{300, 300, true}}) {
        forms.clear();
        place("Button")->setBounds(c.left, c.top, 40, 14);
        EXPECT_EQ(subjects("geometry.off-screen").size(), c.outside ? 1u : 0u)
            << c.left << "," << c.top;
    }
    EXPECT_NE(only("geometry.off-screen")[0].message.find("wholly"), std::string::npos);
    // Reaching the edge is lying beside the screen, not across it.
    struct Edge {
        int left, top;
        const char* how;
    };
    for (const Edge& e :
         {Edge{159, 10, "lies wholly"}, Edge{158, 10, "reaches"}, Edge{-39, 10, "lies wholly"},
          Edge{-38, 10, "reaches"}, Edge{10, 159, "lies wholly"}, Edge{10, -13, "lies wholly"},
          Edge{10, -12, "reaches"}}) {
        forms.clear();
        place("Button")->setBounds(e.left, e.top, 40, 14);
        const auto found = only("geometry.off-screen");
        ASSERT_EQ(found.size(), 1u) << e.left << "," << e.top;
        EXPECT_EQ(found[0].message.rfind(e.how, 0), 0u) << e.left << "," << e.top;
    }

    Control* dialog = place("Dialog"); // 156 x 84
    Control* inside = place(form(), "Button", 5, 5, dialog);
    EXPECT_EQ(subjects("geometry.outside-dialog"), Subjects{});
    inside->setLeft(120);
    EXPECT_EQ(subjects("geometry.outside-dialog"), Subjects{inside->name()});
}

TEST_F(GeometryChecks, AControlWhollyUnderOneDrawnAfterItIsHidden) {
    use(Library::CControls);
    Control* back = place("Label", 20, 20);
    Control* front = place("Button", 10, 10);
    front->setBounds(10, 10, 80, 40);
    EXPECT_EQ(subjects("geometry.hidden"), Subjects{back->name()});
    form().surface().bringChildToFront(back);
    EXPECT_EQ(subjects("geometry.hidden"), Subjects{});
    // A pop-up list lies over the form only while it is open.
    form().surface().sendChildToBack(back);
    front->setLeft(100);
    place("PopUp", 15, 15)->setBounds(0, 0, 160, 160);
    EXPECT_EQ(subjects("geometry.hidden"), Subjects{});
}

// The handheld draws PToolboxLib bitmaps after the form's own objects, whatever their order.
TEST_F(GeometryChecks, PToolboxBitmapsAreDrawnOverEveryControl) {
    use(Library::PToolboxLib);
    Control* picture = place("Bitmap", 0, 0);
    picture->setBounds(0, 20, 60, 60);
    Control* button = place("Button", 10, 30);
    EXPECT_EQ(subjects("geometry.hidden"), Subjects{button->name()});
}

TEST_F(GeometryChecks, APalmWidthOrHeightOfNothing) {
    use(Library::CControls);
    Control* button = place("Button");
    EXPECT_EQ(subjects("geometry.zero-size"), Subjects{});
    button->setHeight(2);
    EXPECT_EQ(subjects("geometry.zero-size"), Subjects{"Button1"});
    // A check box's window width is the width the code passes on: never less than a pixel.
    place("CheckBox", 120, 120)->setWidth(1);
    EXPECT_EQ(subjects("geometry.zero-size"), Subjects{"Button1"});
    // Nothing of it shows, so nothing hides it either.
    place("Button", 0, 0)->setBounds(0, 0, 100, 100);
    EXPECT_EQ(subjects("geometry.hidden"), Subjects{});
    forms.clear();
    use(Library::PToolboxLib);
    place("Select")->setBounds(0, 20, 1, 15); // sizes itself to its text: never flagged
    EXPECT_EQ(subjects("geometry.zero-size"), Subjects{});
    place("Button")->setWidth(4);
    EXPECT_EQ(subjects("geometry.zero-size").size(), 1u);
}

// Fixed-cell widths: 5 pixels a character in the small faces, 7 in the large ones.
TEST_F(GeometryChecks, TextsWiderThanTheirRoomAreCut) {
    use(Library::CControls);
    auto* button = place("Button"); // Palm width 38
    set(button, "Content", "1234567");
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{});
    set(button, "Content", "12345678");
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{"Button1"});
    set(button, "Content", "123456");
    set(button, "Font", "Large"); // 42 pixels
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{"Button1"});

    forms.clear();
    auto* radio = placeAs<ItemsControl>("Radio");
    radio->setItems({"A", "B"});
    radio->setWidth(20); // 2 cells of 10 pixels: 8 for each text's ink
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{});
    radio->setItems({"A", "BC"});
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{radio->name()});
    // Stacked, every item has the whole width.
    static_cast<TCCRadio*>(radio)->setOrientation(1);
    radio->setWidth(30);
    radio->setItems({"A", "BCDE"});
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{});

    forms.clear();
    form().surface().setTitle(std::string(31, 'T'));
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{});
    form().surface().setTitle(std::string(32, 'T'));
    EXPECT_EQ(subjects("geometry.text-cut"), Subjects{"Main"});
}

TEST_F(GeometryChecks, MenusAreMeasuredByTheirTitleAndDropDownBoxes) {
    use(Library::CControls);
    auto* menu = static_cast<TCCMenu*>(place("Menu")); // with the bar; topic box 36, box 38
    EXPECT_EQ(family("geometry."), Subjects{});
    menu->setTopic("A long topic");
    menu->setUserLeft(150);
    EXPECT_EQ(family("geometry."), (Subjects{"geometry.off-screen " + menu->name(),
                                             "geometry.text-cut " + menu->name()}));
}

// The real fonts are proportional, and bold is wider than the standard face.
TEST_F(GeometryChecks, MeasuredWithThePalmFonts) {
    SilentUi silent;
    const PalmFonts fonts = PalmFonts::load(ORNADECK_SOURCE_DIR "/fonts", silent);
    ASSERT_TRUE(fonts.loadProblems().empty());
    const TextGauge gauge(fonts);
    use(Library::PToolboxLib);
    Control* box = place("CheckBox"); // 58 wide, the text from x = 18
    set(box, "Text", "iiiiiiiiiii");
    EXPECT_EQ(subjects("geometry.text-cut", gauge), Subjects{});
    set(box, "Text", "WWWWWWWWWWW");
    EXPECT_EQ(subjects("geometry.text-cut", gauge), Subjects{"CheckBox1"});
    const int standard = gauge.textWidth(box->font(), "Remember");
    set(box, "Font", "Bold");
    EXPECT_GT(gauge.textWidth(box->font(), "Remember"), standard);
}

} // namespace
} // namespace ornadeck
