#include "render/Canvas.h"

#include "support/TestFonts.h"

#include <gtest/gtest.h>
#include <string>

namespace ornadeck {
namespace {

// The picture as rows of '#' (black) and '.' (anything else), for readable expectations.
std::vector<std::string> art(const Image& img, Color ink = kBlack) {
    std::vector<std::string> rows;
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x)
            row += img.at(x, y) == ink ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

class CanvasTest : public testing::Test {
  protected:
    test::BlockFonts fonts;
    Image image{6, 5};
    Canvas canvas{image, fonts};
};

TEST_F(CanvasTest, LineLeavesOutItsEndPoint) {
    canvas.line(0, 0, 4, 0);
    canvas.line(0, 1, 3, 4);
    EXPECT_EQ(art(image),
              (std::vector<std::string>{"####..", "#.....", ".#....", "..#...", "......"}));
}

TEST_F(CanvasTest, TwoPointPolygonColoursBothEnds) {
    canvas.polygon({{1, 2}, {4, 2}});
    EXPECT_EQ(art(image)[2], ".####.");
}

TEST_F(CanvasTest, PolygonFillsWithBrushAndOutlinesWithPen) {
    canvas.setPen(kRed);
    canvas.setBrush(kBlack);
    canvas.polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    EXPECT_EQ(art(image),
              (std::vector<std::string>{"......", ".###..", ".###..", ".###..", "......"}));
    EXPECT_EQ(image.at(4, 4), kRed);
    EXPECT_EQ(image.at(0, 2), kRed);
    Image clear(6, 5);
    Canvas outline(clear, fonts);
    outline.clearBrush();
    outline.polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
    EXPECT_EQ(art(clear)[1], "#.#...");
}

TEST_F(CanvasTest, OriginAndClipKeepDrawingInsideTheWindow) {
    canvas.setOrigin(2, 1);
    canvas.setClip(2, 1, 5, 3);
    canvas.fillRect(-5, -5, 10, 10, kBlack);
    EXPECT_EQ(art(image),
              (std::vector<std::string>{"......", "..###.", "..###.", "......", "......"}));
    EXPECT_EQ(canvas.pixelAt(0, 0), kBlack);
}

TEST_F(CanvasTest, TextIsPlacedByItsTopLeftCornerAndBoldAddsAColumn) {
    Image img(12, 11);
    Canvas c(img, fonts);
    c.clearBrush();
    c.text(1, 0, "A");
    EXPECT_EQ(art(img)[2], ".####.......");
    EXPECT_EQ(art(img)[1], "............");
    Font bold;
    bold.bold = true;
    c.setFont(bold);
    EXPECT_EQ(c.textWidth("AB"), 12);
    EXPECT_EQ(c.textHeight(""), 0);
    EXPECT_EQ(c.textHeight("x"), 11);
}

} // namespace
} // namespace ornadeck

#include "cclib/TCCButton.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCSwitch.h"
#include "render/CControlsPainter.h"

#include <climits>

namespace ornadeck {
namespace {

// Paints `c` into a 20 x 20 picture, its window at the origin.
Image paintAlone(Control& c, const FontSet& fonts) {
    Image img(20, 20, kRed);
    Canvas canvas(img, fonts);
    canvas.setClip(0, 0, std::min(c.width(), 20), std::min(c.height(), 20));
    paintCControl(canvas, c);
    return img;
}

TEST(CanvasLimits, HugeControlsAndRadiiCostOnlyWhatShows) {
    test::BlockFonts fonts;
    TCCButton button;
    button.setBounds(0, 0, 32767, 32767);
    button.setRadius(INT_MAX);
    const Image img = paintAlone(button, fonts); // would take minutes unclipped
    EXPECT_EQ(img.at(19, 19), kWhite);
    button.setRadius(INT_MIN);
    EXPECT_EQ(paintAlone(button, fonts).at(19, 19), kWhite);
}

TEST(CanvasLimits, PenlessFillsReachTheBottomRow) {
    test::BlockFonts fonts;
    TCCSwitch on;
    on.setBounds(0, 0, 12, 10);
    on.setState(1);
    on.setLine(kLineWhite); // no outline: the body alone must be black down to its last row
    const Image img = paintAlone(on, fonts);
    EXPECT_EQ(img.at(5, 9), kBlack);
    EXPECT_EQ(img.at(5, 0), kBlack);
}

TEST(CanvasLimits, NarrowListsLeaveTheirFrameAlone) {
    test::BlockFonts fonts;
    TCCListBox list;
    list.setItems({"a", "b"});
    list.setSelectedItem(INT_MAX);
    for (int w : {1, 2, 3}) {
        list.setBounds(0, 0, w, 24);
        const Image img = paintAlone(list, fonts);
        EXPECT_EQ(img.at(0, 5), kBlack) << w; // the left frame column survives
    }
}

} // namespace
} // namespace ornadeck
