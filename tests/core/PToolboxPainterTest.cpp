#include "render/PToolboxPainter.h"

#include "model/TPTDialog.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"
#include "render/Canvas.h"
#include "support/TestFonts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

using Art = std::vector<std::string>;

// A surface colour other than the image's white, so unpainted pixels show as '?'.
constexpr Color kSurface = 0x00FFFF;
constexpr Color kMark = kBlue;

// '#' black, '.' the control's colour, 'o' its mark colour, ':' gray, '?' anything else.
Art art(const Image& img, Color surface = kSurface) {
    Art rows;
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x) {
            const Color c = img.at(x, y);
            row += c == kBlack    ? '#'
                   : c == surface ? '.'
                   : c == kMark   ? 'o'
                   : c == kGray   ? ':'
                                  : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

Image paint(const Control& control, Image img) {
    static const test::BlockFonts fonts;
    Canvas canvas(img, fonts);
    EXPECT_TRUE(paintPTControl(canvas, control));
    return img;
}
Image paint(const Control& control) {
    return paint(control, Image(control.width(), control.height()));
}

template <class T> void prepare(T& c, int w, int h) {
    c.setBounds(0, 0, w, h);
    c.setColor(kSurface);
}

TEST(PToolboxPaint, ButtonCentresItsText) {
    TPTButton button;
    prepare(button, 46, 17);
    button.setText("OK"); // 10 x 11 in the block font: its top-left corner at (18, 3)
    const Art a = art(paint(button));
    for (const int y : {4, 12})
        EXPECT_EQ(a[static_cast<std::size_t>(y)].substr(16, 12), "............") << y;
    for (const int y : {5, 11})
        EXPECT_EQ(a[static_cast<std::size_t>(y)].substr(16, 12), "..####.####.") << y;
}

TEST(PToolboxPaint, ButtonFrames) {
    struct Case {
        int frame;
        Art expected;
    };
    const Case cases[] = {
        {TPTButton::kSquare,
         {"........", ".######.", ".#....#.", ".#....#.", ".######.", "........"}},
        {TPTButton::kNoFrame,
         {"........", "........", "........", "........", "........", "........"}},
        {TPTButton::kBold,
         {".....#####......", "...#########....", "..####...####...", ".###.......###..",
          ".##.........##..", "###.........###.", "##...........##.", "##...........##.",
          "###.........###.", ".##.........##..", ".###.......###..", "..####...####...",
          "...#########....", ".....#####......"}},
        // Too narrow for the top run: reversed ranges draw nothing.
        {TPTButton::kBold,
         {"..........", "...###....", "..#####...", ".###.###..", ".##...##..", "###...###.",
          "##.....##.", "##.....##.", "###...###.", ".##...##..", ".###.###..", "..#####...",
          "...###....", ".........."}},
    };
    for (const Case& c : cases) {
        TPTButton button;
        button.setFrame(c.frame);
        button.setText("");
        prepare(button, static_cast<int>(c.expected[0].size()),
                static_cast<int>(c.expected.size()));
        EXPECT_EQ(art(paint(button)), c.expected) << "frame " << c.frame;
    }
}

TEST(PToolboxPaint, StandardButtonHasRoundedCorners) {
    TPTButton button;
    button.setText("");
    prepare(button, 12, 10);
    const Art a = art(paint(button));
    // Straight edges start three pixels in; the corner pixels close the rounding.
    EXPECT_EQ(a[1], "....####....");
    EXPECT_EQ(a[8], "....####....");
    EXPECT_EQ(a[2].substr(0, 3), "..#");
    EXPECT_EQ(a[7].substr(9), "#..");
    EXPECT_EQ(a[4][1], '#');
    EXPECT_EQ(a[3][1], '.');
}

TEST(PToolboxPaint, CheckBoxTickFollowsState) {
    const Art ticked = {"................", "................", "................",
                        "................", "...........##...", "...##########...",
                        "...#.....###....", "...#.##.#.#.....", "...#.#####......",
                        "...#..###.#.....", "...#...#..#.....", "...#......#.....",
                        "...########.....", "................", "................"};
    Art clear = ticked;
    clear[4] = "................";
    clear[5] = "...########.....";
    for (int y = 6; y <= 11; ++y)
        clear[static_cast<std::size_t>(y)] = "...#......#.....";

    TPTCheckbox box;
    prepare(box, 16, 15);
    box.setContent("X"); // text 11 high: y = 2, the caption itself lies right of the window
    box.setState(1);
    Image img = paint(box);
    EXPECT_EQ(art(img), ticked);
    box.setState(0);
    EXPECT_EQ(art(paint(box, img)), clear);
}

TEST(PToolboxPaint, LabelTextAtTheCorner) {
    TPTLabel label;
    label.setColor(kSurface);
    label.setContent("AB");
    const Art a = art(paint(label));
    EXPECT_EQ(a[1], "...........");
    EXPECT_EQ(a[2], "####.####..");
}

TEST(PToolboxPaint, PopTriggerArrowAndText) {
    TPTPopTrigger trigger;
    prepare(trigger, 20, 15);
    Font font;
    font.color = kRed;
    trigger.setFont(font);
    const Image img = paint(trigger); // text 11 high: y = 2
    const Art a = art(img);
    EXPECT_EQ(a[5].substr(0, 12), "............");
    EXPECT_EQ(a[6].substr(0, 12), "...########.");
    EXPECT_EQ(a[7].substr(0, 12), "....######..");
    EXPECT_EQ(a[8].substr(0, 12), ".....####...");
    EXPECT_EQ(a[9].substr(0, 12), "......##....");
    EXPECT_EQ(img.at(15, 4), kRed);
    EXPECT_EQ(img.at(15, 3), kSurface);
}

TEST(PToolboxPaint, GsiArrowAndItsOwnMarks) {
    TPTGsi gsi;
    gsi.setColor(kSurface);
    EXPECT_EQ(art(paint(gsi)), (Art{"...##...", "..####..", ".######.", "########", "..####..",
                                    "..####..", "..####..", "..####..", "..####.."}));
    gsi.setSelected(true);
    const Art marked = art(paint(gsi));
    EXPECT_EQ(marked[0], "oo.##.oo");
    EXPECT_EQ(marked[1], "oo####oo");
    EXPECT_EQ(marked[2], ".######.");
    EXPECT_EQ(marked[8], "oo####oo");
}

TEST(PToolboxPaintList, RowsTextAndScrollArrow) {
    TPTList list;
    list.setItems({"A", "B", "C"});
    list.setMaxItems(2); // 25 high with rows of 11
    list.setSelectedItem(1);
    prepare(list, 20, list.height());
    // Row 1 is black with its text in the surface colour, and so is the arrow over it.
    EXPECT_EQ(art(paint(list)),
              (Art{"###################.", "#.................#.", "#.................#.",
                   "#.####............#.", "#.####............#.", "#.####............#.",
                   "#.####............#.", "#.####............#.", "#.####............#.",
                   "#.####............#.", "#.................#.", "#.................#.",
                   "###################.", "###################.", "##....#############.",
                   "##....######...####.", "##....######...####.", "##....######...####.",
                   "##....####.......##.", "##....#####.....###.", "##....######...####.",
                   "#############.#####.", "###################.", "###################.",
                   "...................."}));
    list.setSelectedItem(0);
    const Art a = art(paint(list));
    EXPECT_EQ(a[21], "#............#....#.");
    EXPECT_EQ(a[18], "#.####....#######.#.");
}

TEST(PToolboxPaintList, PopupStyleShadowAndNoRowBeyondTheVisibleOnes) {
    TPTList list;
    list.setItems({"A", "B", "C"});
    list.setStyle(TPTList::kPopupList);
    list.setSelectedItem(2); // the hidden third item
    prepare(list, 20, list.height());
    const Art a = art(paint(list));
    EXPECT_EQ(a[24], "..###############...");
    EXPECT_EQ(a[23], ".#################..");
    EXPECT_EQ(a[0], ".#################..");
    for (int y = 2; y <= 21; ++y)
        EXPECT_EQ(a[static_cast<std::size_t>(y)][19], '#') << y;
    EXPECT_EQ(a[22][19], '.');
}

TEST(PToolboxPaintField, UnderlinesEveryLineAndDrawsFittingTextOnce) {
    TPTEdit edit;
    prepare(edit, 20, 30); // 2 lines of 11
    edit.setText("AB");
    const Art a = art(paint(edit));
    const std::string dotted = ".#.#.#.#.#.#.#.#.#.#";
    EXPECT_EQ(a[2], "####.####...........");
    EXPECT_EQ(a[10], dotted);
    EXPECT_EQ(a[13], "....................");
    EXPECT_EQ(a[21], dotted);
    EXPECT_EQ(a[29], "....................");
    edit.setUnderline(1);
    EXPECT_EQ(art(paint(edit))[10], "....................");
}

TEST(PToolboxPaintField, Wrapping) {
    struct Case {
        std::string text;
        int singleLine, justification;
        std::vector<std::string> inkRows; // glyph row 2 of each of the three lines
    };
    const Case cases[] = {
        {"AB CD EF",
         0,
         0,
         {"####.####...........", "####.####...........", "####.####..........."}},
        {"AB CD EF",
         0,
         1,
         {"..........####.####.", "..........####.####.", "..........####.####."}},
        {"ABC DE", 0, 0, {"####.####.####......", "####.####...........", "...................."}},
        // A word wider than the field has nowhere to break, so it is never drawn.
        {"ABCDEFG", 0, 0, {"....................", "....................", "...................."}},
        {"ABCDEFG", 1, 0, {"####.####.####.####.", "....................", "...................."}},
    };
    for (const Case& c : cases) {
        TPTEdit edit;
        prepare(edit, 20, 33);
        edit.setUnderline(1);
        edit.setText(c.text);
        edit.setSingleLine(c.singleLine);
        edit.setJustification(c.justification);
        const Art a = art(paint(edit));
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(a[i * 11 + 2], c.inkRows[i]) << c.text << " line " << i;
    }
}

TEST(DialogPaint, FrameTitleBarAndTitle) {
    TPTDialog dialog;
    prepare(dialog, 24, 20);
    dialog.setTitle("AB");
    const std::string side = "##....................##";
    EXPECT_EQ(art(paint(dialog)), (Art{"..####################..",
                                       ".######################.",
                                       std::string(24, '#'),
                                       std::string(24, '#'),
                                       "#######....#....########",
                                       "#######....#....########",
                                       "#######....#....########",
                                       "#######....#....########",
                                       "#######....#....########",
                                       "#######....#....########",
                                       "#######....#....########",
                                       std::string(24, '#'),
                                       std::string(24, '#'),
                                       std::string(24, '#'),
                                       side,
                                       side,
                                       side,
                                       "###..................###",
                                       ".######################.",
                                       "..####################.."}));
}

TEST(DialogPaint, GridStepsOverThePalmScreen) {
    struct Case {
        int space, visible, step; // step 0: no grid
    };
    const Case cases[] = {{6, 1, 5}, {4, 1, 3}, {6, 0, 0}, {2, 1, 1},
                          {1, 1, 0}, {0, 1, 0}, {-3, 1, 0}};
    for (const Case& c : cases) {
        TPTDialog dialog;
        prepare(dialog, 30, 20);
        dialog.setGridSpace(c.space);
        dialog.setGridVisible(c.visible);
        // The image reaches past the dialog: the grid ignores the dialog's size.
        const Image img = paint(dialog, Image(162, 162, kSurface));
        int dots = 0; // along row 150, a grid row for every step here
        for (int x = 0; x < 162; ++x)
            dots += img.at(x, 150) == kGray ? 1 : 0;
        if (c.step == 0) {
            EXPECT_EQ(dots, 0) << c.space;
            continue;
        }
        EXPECT_EQ(dots, 159 / c.step + 1) << c.space;        // x below 160 only
        EXPECT_EQ(img.at(0, 0), kGray) << c.space;           // outside the rounded frame corner
        EXPECT_EQ(img.at(5 * c.step, 15), kGray) << c.space; // inside, below the title bar
        EXPECT_EQ(img.at(c.step, 1), kBlack) << c.space;     // the frame covers the grid
        if (c.step > 1) {
            EXPECT_EQ(img.at(5 * c.step + 1, 15), kSurface) << c.space;
        }
    }
}

TEST(PToolboxPaint, SelectedControlGetsMarksLast) {
    TPTButton button;
    prepare(button, 20, 14);
    button.setSelected(true);
    const Art a = art(paint(button));
    EXPECT_EQ(a[0], "ooo......ooo.....ooo");
    EXPECT_EQ(a[13], "ooo......ooo.....ooo");
}

TEST(PToolboxPaint, OtherClassesAreLeftToTheirOwnPainters) {
    static const test::BlockFonts fonts;
    Control other(ClassId::CCButton);
    other.setBounds(0, 0, 4, 4);
    Image img(4, 4);
    Canvas canvas(img, fonts);
    EXPECT_FALSE(paintPTControl(canvas, other));
    EXPECT_EQ(img, Image(4, 4));
}

} // namespace
} // namespace ornadeck
