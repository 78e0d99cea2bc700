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
