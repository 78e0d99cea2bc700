#include "render/CControlsPainter.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCDropDown.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "model/TCCForm.h"
#include "render/Canvas.h"
#include "render/SurfacePainter.h"
#include "support/TestFonts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

constexpr Color kFill = 0xC0C0C0; // distinct from the image's white and from black
const test::BlockFonts fonts;

// '#' black, '.' the fill colour, 'o' anything else (untouched, gray, marks).
std::vector<std::string> art(const Image& img) {
    std::vector<std::string> rows(static_cast<std::size_t>(img.height()));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            rows[y] += img.at(x, y) == kBlack ? '#' : img.at(x, y) == kFill ? '.' : 'o';
    return rows;
}

std::vector<std::string> paint(Control& c, int w, int h) {
    c.setColor(kFill);
    c.setBounds(0, 0, w, h);
    Image img(c.width(), c.height());
    Canvas canvas(img, fonts);
    EXPECT_TRUE(paintCControl(canvas, c));
    return art(img);
}

TEST(CControlsPaint, ButtonCornersAndOutlineFollowRadiusAndLine) {
    struct Case {
        int radius, line;
        char corner, edge;
    };
    for (const Case t :
         {Case{4, 1, '#', '#'}, Case{4, 0, '.', '.'}, Case{4, 2, '.', '#'}, Case{3, 1, '.', '#'}}) {
        TCCButton b;
        b.setRadius(t.radius);
        b.setLine(t.line);
        const auto rows = paint(b, 20, 14);
        SCOPED_TRACE(testing::Message() << "radius " << t.radius << " line " << t.line);
        EXPECT_EQ(rows[1][1], t.corner);
        EXPECT_EQ(rows[1][18], t.corner);
        EXPECT_EQ(rows[12][18], t.corner);
        EXPECT_EQ(rows[0][10], t.edge);
        EXPECT_EQ(rows[0][0], '.');
    }
}

TEST(CControlsPaint, GrayFrameIsDottedAlongEachEdge) {
    TCCButton b;
    b.setRadius(0);
    b.setLine(kLineGray);
    const auto rows = paint(b, 8, 6);
    EXPECT_EQ(rows[0], "#.#.#.#.");
    EXPECT_EQ(rows[5], "..#.#.#.");
    std::string left, right;
    for (const auto& r : rows) {
        left += r[0];
        right += r[7];
    }
    EXPECT_EQ(left, "#.#.#.");
    EXPECT_EQ(right, "..#.#.");
}

TEST(CControlsPaint, CaptionIsCentredShiftedForSelectAndInvertedOnSwitch) {
    TCCButton b;
    b.setContent("OK"); // 10 x 11: x = 15, y = 1, so the ink starts at (15, 3)
    EXPECT_EQ(paint(b, 40, 14)[3].substr(14, 11), ".####.####.");
    b.setTag(TCCButton::kSelectTag);
    EXPECT_EQ(paint(b, 40, 14)[3], "#...####.####...#"); // the model makes it 10 + 7 wide

    TCCSwitch s;
    s.setContent("OK");
    s.setRadius(4);
    s.setState(1);
    const auto on = paint(s, 40, 14);
    EXPECT_EQ(on[3].substr(14, 11), "#....#....#");
    EXPECT_EQ(on[1][1], '#');
}

TEST(CControlsPaint, TextLineStyles) {
    struct Case {
        int style, line;
        std::string top, bottom;
    };
    for (const Case& t :
         {Case{TextLineControl::kUnderlined, kLineGray, "..........", "..#.#.#.#."},
          Case{TextLineControl::kUnderlined, kLineBlack, "..........", "#########."},
          Case{TextLineControl::kBoxed, kLineBlack, "##########", "##########"},
          Case{TextLineControl::kBoxed, kLineGray, "#.#.#.#.#.", "#.#.#.#.#."},
          Case{TextLineControl::kBoxed, kLineWhite, "..........", ".........."}}) {
        TCCEdit e;
        e.setStyle(t.style);
        e.setLine(t.line);
        const auto rows = paint(e, 10, 13);
        SCOPED_TRACE(testing::Message() << "style " << t.style << " line " << t.line);
        EXPECT_EQ(rows[0], t.top);
        EXPECT_EQ(rows[12], t.bottom);
    }
    for (const auto& [align, x] : std::vector<std::pair<Alignment, int>>{
             {Alignment::Left, 2}, {Alignment::Center, 11}, {Alignment::Right, 20}}) {
        TCCEdit e;
        e.setContent("AB");
        e.setAlignment(align);
        EXPECT_EQ(paint(e, 32, 13)[3].find('#'), static_cast<std::size_t>(x));
    }
}

TEST(CControlsPaint, CheckBoxTickFollowsState) {
    TCCCheckbox box;
    box.setState(1);
    const auto on = paint(box, 14, 13);
    EXPECT_EQ(on[2], "..........##.."); // ends of the tick are left out
    EXPECT_EQ(on[3], "..######.###.."); // the box's gap beside the tick
    EXPECT_EQ(on[6], "..#.#####.....");
    box.setState(0);
    const auto off = paint(box, 14, 13);
    EXPECT_EQ(off[3], "..########....");
    EXPECT_EQ(off[6], "..#......#....");
}

TEST(CControlsPaint, ListBoxArrowShowsMoreRows) {
    struct Case {
        int items, selected;
        char arrow;
    };
    // 3 visible rows, 35 x 35: the arrow's tip is at (29, 32), inside row 2.
    for (const Case t : {Case{5, -1, '#'}, Case{5, 2, '.'}, Case{5, 1, '#'}, Case{3, -1, '.'}}) {
        TCCListBox list;
        list.setItems(std::vector<std::string>(static_cast<std::size_t>(t.items), " "));
        list.setSelectedItem(t.selected);
        list.setVisibleItems(3);
        const auto rows = paint(list, 35, list.height());
        SCOPED_TRACE(testing::Message() << t.items << " items, selected " << t.selected);
        EXPECT_EQ(rows[32][29], t.arrow);
        EXPECT_EQ(rows[25][5], t.selected == 2 ? '#' : '.');
        EXPECT_EQ(rows[34], std::string(35, '#'));
    }
}

TEST(CControlsPaint, RadioCellsShareBordersAndInvertTheSelected) {
    TCCRadio radio;
    radio.setItems({"A", "B", "C"});
    radio.setSelectedItem(1);
    // Cells 0..10, 10..20, 20..30; each letter starts at the cell's start + 5 - 2.
    EXPECT_EQ(paint(radio, 31, 14)[3], "#..####...###....####..####...#");
    radio.setOrientation(1);
    const auto col = paint(radio, 11, 40); // cells 13 high from y 0, 13, 26
    EXPECT_EQ(col[13], std::string(11, '#'));
    EXPECT_EQ(col[16], "###....####");
    EXPECT_EQ(col[26], std::string(11, '#'));
}

TEST(CControlsPaint, ClosedDropDownShowsOnlyTheMarkWithoutSelection) {
    TCCDropDown dd;
    dd.setItems({"one"});
    std::vector<std::string> expected(14, std::string(35, '.'));
    expected[5].replace(1, 8, "########");
    expected[6].replace(2, 6, "######");
    expected[7].replace(3, 4, "####");
    expected[8].replace(4, 2, "##");
    EXPECT_EQ(paint(dd, 35, 14), expected);
    dd.setSelectedItem(0);
    EXPECT_EQ(paint(dd, 35, 14)[3].substr(11, 6), ".####.");
}

TEST(CControlsPaint, OpenListsKeepFrameAndShadowOverAPartlyShownRow) {
    TCCDropDown dd;
    dd.setTestItems(1);
    TCCPopUp pop;
    for (DropListControl* list : std::vector<DropListControl*>{&dd, &pop}) {
        list->setItems({"a", "b", "c"});
        list->setSelectedItem(1); // one visible row; row 1 starts on the frame's bottom edge
        const auto rows = paint(*list, 20, 14);
        EXPECT_EQ(rows[0].substr(0, 2), ".#");
        EXPECT_EQ(rows[1][19], '.');
        EXPECT_EQ(rows[2][19], '#');
        EXPECT_EQ(rows[12].substr(0, 2), ".#");
        EXPECT_EQ(rows[13].substr(0, 4), "...#");
    }
}

TEST(CControlsPaint, ImageSetsPixelsFromItsBits) {
    TCCBitmap bmp;
    bmp.setStringBits("cc3");
    EXPECT_EQ(paint(bmp, 6, 3), (std::vector<std::string>{"##..##", "..##..", "......"}));
}

TEST(CControlsPaint, MenuOpenAndClosed) {
    TCCMenu menu; // TopicWidth 31, UserWidth 32, 35 wide
    menu.setItems({"A", "B"});
    const auto open = paint(menu, 35, menu.height());
    ASSERT_EQ(open.size(), 37u);
    EXPECT_EQ(open[3].substr(3, 3), "#..");  // topic inverted in the title box
    EXPECT_EQ(open[16].substr(0, 3), "#.#"); // first item
    EXPECT_EQ(open[20].substr(29, 5), ".##..");
    EXPECT_EQ(open[35].substr(0, 3), ".##");
    menu.setTest(0);
    const auto closed = paint(menu, 35, menu.height());
    EXPECT_EQ(closed[3].substr(3, 3), ".##");
    EXPECT_EQ(closed[14], std::string(35, '#'));
    EXPECT_EQ(closed[16], std::string(35, '.'));
}

TEST(CControlsPaint, SelectionMarksAndUnknownClasses) {
    TCCButton b;
    b.setSelected(true);
    EXPECT_EQ(paint(b, 20, 14)[13].substr(14, 6), "###ooo");

    TCCForm form;
    Image untouched(4, 4);
    Canvas canvas(untouched, fonts);
    EXPECT_FALSE(paintCControl(canvas, form));
    EXPECT_EQ(untouched, Image(4, 4));
}

std::vector<std::string> paintForm(int gridSpace, int gridVisible, const std::string& title) {
    TCCForm form;
    form.setColor(kFill);
    form.setGridSpace(gridSpace);
    form.setGridVisible(gridVisible);
    form.setTitle(title);
    Image img(160, 160);
    Canvas canvas(img, fonts);
    paintSurface(canvas, form);
    return art(img);
}

TEST(SurfacePaint, GridDotsAreGridSpaceMinusOneApart) {
    struct Case {
        int space, visible, step;
    };
    for (const Case t : {Case{6, 1, 5}, Case{4, 1, 3}, Case{2, 1, 1}, Case{4, 0, 0}, Case{1, 1, 0},
                         Case{0, 1, 0}, Case{-3, 1, 0}}) {
        SCOPED_TRACE(testing::Message() << "GridSpace " << t.space);
        const auto rows = paintForm(t.space, t.visible, "");
        std::string expected(160, '.');
        for (int x = 0; t.step > 0 && x < 160; x += t.step)
            expected[static_cast<std::size_t>(x)] = 'o';
        EXPECT_EQ(rows[30], expected);
        EXPECT_EQ(rows[31][0], t.step > 0 && 31 % t.step == 0 ? 'o' : '.');
    }
}

TEST(SurfacePaint, TitleTabAndLine) {
    const auto rows = paintForm(4, 0, "AB"); // 10 wide: the tab spans x 0..14
    EXPECT_EQ(rows[0].substr(0, 16), ".#############..");
    EXPECT_EQ(rows[4].substr(0, 16), "###....#....###.");
    EXPECT_EQ(rows[12].substr(0, 16), "###############.");
    EXPECT_EQ(rows[13], std::string(160, '#'));
    EXPECT_EQ(rows[14], std::string(160, '#'));
}

} // namespace
} // namespace ornadeck
