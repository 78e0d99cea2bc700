#include "codegen/CodeText.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

TEST(CodeText, QuotesEscapeOnlyDoubleQuotes) {
    EXPECT_EQ(quoted(""), "\"\"");
    EXPECT_EQ(quoted("Say \"hi\""), "\"Say \\\"hi\\\"\"");
    EXPECT_EQ(quoted("a\\b/f1 é"), "\"a\\b/f1 é\"");
}

TEST(CodeText, FontNumbersByExactFace) {
    EXPECT_EQ(fontNumber("PilotStandard"), 0);
    EXPECT_EQ(fontNumber("PilotBold"), 1);
    EXPECT_EQ(fontNumber("PilotLarge"), 2);
    EXPECT_EQ(fontNumber("PilotBold12"), 7);
    EXPECT_EQ(fontNumber("pilotbold"), 0);
    EXPECT_EQ(fontNumber("Arial"), 0);
}

TEST(CodeText, BitmapLiteralsSplitAfter255Characters) {
    EXPECT_EQ(bitmapLiterals(6, "cc30"), "\"06\" + \"cc30\"");
    const std::string exact(255, 'f');
    EXPECT_EQ(bitmapLiterals(40, exact), "\"28\" + \"" + exact + "\"");
    EXPECT_EQ(bitmapLiterals(40, exact + "0"), "\"28\" + \"" + exact + "\" + \"0\"");
    const std::string wide = "\u00e9" + std::string(254, 'f'); // 255 characters, 256 bytes
    EXPECT_EQ(bitmapLiterals(40, wide), "\"28\" + \"" + wide + "\"");
    EXPECT_EQ(bitmapLiterals(40, wide + "\u00e9"), "\"28\" + \"" + wide + "\" + \"\u00e9\"");
    // A picture larger than the editor makes (read from a file) needs more than two literals.
    const std::string more(600, 'a');
    EXPECT_EQ(bitmapLiterals(60, more), "\"3c\" + \"" + std::string(255, 'a') + "\" + \"" +
                                            std::string(255, 'a') + "\" + \"" +
                                            std::string(90, 'a') + "\"");
    EXPECT_EQ(bitmapLiterals(1, ""), "\"01\" + \"\"");
}

} // namespace
} // namespace ornadeck

#include "model/Rounding.h"

namespace ornadeck {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case {
        long long n, d;
        int expected;
    };
    for (const Case& c : {Case{5, 2, 2}, Case{7, 2, 4}, Case{6, 4, 2}, Case{2, 4, 0},
                          Case{-6, 4, -2}, Case{-5, 2, -2}, Case{10, 3, 3}, Case{11, 3, 4},
                          Case{26, 3, 9}, Case{0, 7, 0}, Case{9, -2, -4}})
        EXPECT_EQ(roundHalfToEven(c.n, c.d), c.expected) << c.n << "/" << c.d;
}

} // namespace
} // namespace ornadeck
