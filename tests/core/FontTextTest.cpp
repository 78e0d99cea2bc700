#include "formfile/FontText.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

TEST(FontText, SurfaceFontIsWrittenAsTheToolkitDoes) {
    EXPECT_EQ(fontToText(Font{}), "PilotStandard,10,,0,clWindowText,2");
    Font f;
    f.face = "PilotBold12";
    f.size = 12;
    f.bold = f.italic = f.underline = f.strikeOut = true;
    f.pitch = FontPitch::Fixed;
    f.color = 0x00123456;
    f.charset = 0;
    EXPECT_EQ(fontToText(f), "PilotBold12,12,BIUS,2,$00123456,0");
}

TEST(FontText, ReadingIsTolerantFieldByField) {
    struct Case {
        const char* text;
        const char* face;
        int size;
        bool bold, italic, underline, strike;
        int pitch;
        Color color;
        int charset;
    };
    // Starts from the default font each time: PilotStandard,10,,0,clWindowText,2.
    const Case cases[] = {
        {"PilotBold,12,BI,1,clRed,0", "PilotBold", 12, true, true, false, false, 1, 0x0000FF, 0},
        {" PilotLarge , 9 , su ,2, $00FF0000 , 1 ", "PilotLarge", 9, false, false, true, true, 2,
         0xFF0000, 1},
        {"PilotBold,x,,y,nocolour,z", "PilotBold", 10, false, false, false, false, 0, kWindowText,
         2},
        {"PilotBold", "PilotBold", 10, false, false, false, false, 0, kWindowText, 2},
        {"A,0x0C,ub", "A", 12, true, false, true, false, 0, kWindowText, 2},
        {"\tB\v,11", "B", 11, false, false, false, false, 0, kWindowText, 2},
        {"C,,,,16711680", "C", 10, false, false, false, false, 0, 0xFF0000, 2},
        {"D,8,,1,clRed,3,9,B", "D", 8, false, false, false, false, 1, 0x0000FF, 3}, // extra fields
    };
    for (const Case& c : cases) {
        Font f;
        applyFontText(f, c.text);
        EXPECT_EQ(f.face, c.face) << c.text;
        EXPECT_EQ(f.size, c.size) << c.text;
        EXPECT_EQ(f.bold, c.bold) << c.text;
        EXPECT_EQ(f.italic, c.italic) << c.text;
        EXPECT_EQ(f.underline, c.underline) << c.text;
        EXPECT_EQ(f.strikeOut, c.strike) << c.text;
        EXPECT_EQ(static_cast<int>(f.pitch), c.pitch) << c.text;
        EXPECT_EQ(f.color, c.color) << c.text;
        EXPECT_EQ(f.charset, c.charset) << c.text;
    }
}

TEST(FontText, EmptyTextLeavesTheFontAlone) {
    Font f;
    f.face = "PilotLarge";
    f.bold = true;
    applyFontText(f, "");
    EXPECT_EQ(f.face, "PilotLarge");
    EXPECT_TRUE(f.bold);
}

TEST(FontText, EveryWrittenFontReadsBack) {
    Font f;
    f.face = "PilotBold";
    f.size = -7;
    f.italic = true;
    f.color = 0x80000005;
    Font g;
    applyFontText(g, fontToText(f));
    EXPECT_EQ(g, f);
}

} // namespace
} // namespace ornadeck
