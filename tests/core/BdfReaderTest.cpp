#include "render/BdfReader.h"

#include "render/BdfLines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

// Glyph rows as '#'/'.' strings, for readable expectations.
std::vector<std::string> art(const Glyph& g, int width) {
    std::vector<std::string> rows;
    for (int y = 0; y < static_cast<int>(g.rows.size()); ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += g.inked(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// A line 6 high with ascent 4: 'A' stands on the baseline, 'g' hangs two rows below it.
constexpr std::string_view kTiny = R"(STARTFONT 2.1
COMMENT a tiny test font
FONT -Test-Tiny
SIZE 6 72 72
FONTBOUNDINGBOX 8 6 0 -2
STARTPROPERTIES 4
FAMILY_NAME "Tiny family"
FACE_NAME "Tiny ""Face"""
FONT_ASCENT 4
FONT_DESCENT 2
ENDPROPERTIES
CHARS 3
STARTCHAR A
ENCODING 65
SWIDTH 500 0
DWIDTH 4 0
BBX 3 3 0 0
BITMAP
40
A0
E0
ENDCHAR
STARTCHAR g
ENCODING 103
DWIDTH 3 0
BBX 2 3 1 -2
BITMAP
C0
40
80
ENDCHAR
STARTCHAR unencoded
ENCODING -1
DWIDTH 9 0
BBX 1 1 0 0
BITMAP
80
ENDCHAR
ENDFONT
)";

// kTiny with the first `from` replaced by `to`.
std::string tinyWith(std::string_view from, std::string_view to) {
    std::string text(kTiny);
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(BdfReader, PlacesGlyphsInTheirCellsByBoundingBox) {
    const BdfResult r = readBdf(kTiny);
    ASSERT_TRUE(r.font) << r.error;
    const BitmapFont& f = *r.font;
    EXPECT_EQ(f.face(), "Tiny \"Face\"");
    EXPECT_EQ(f.height(), 6);
    EXPECT_EQ(f.ascent(), 4);
    EXPECT_EQ(f.glyph(U'A').advance, 4);
    EXPECT_EQ(art(f.glyph(U'A'), 4),
              (std::vector<std::string>{"....", ".#..", "#.#.", "###.", "....", "...."}));
    EXPECT_EQ(art(f.glyph(U'g'), 3),
              (std::vector<std::string>{"...", "...", "...", ".##", "..#", ".#."}));
    EXPECT_EQ(f.textWidth("Ag"), 7);
    // ENCODING -1 (no standard code) is read and dropped.
    for (char32_t c = 0; c < 0x100; ++c)
        EXPECT_EQ(f.has(c), c == U'A' || c == U'g') << static_cast<int>(c);
}

TEST(BdfReader, AcceptsOtherwiseWrittenButValidFiles) {
    struct Case {
        const char* what;
        std::string text;
        int height, ascent;
        std::string face;
    };
    std::string crlf;
    for (char c : kTiny)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string tabs = tinyWith("BBX 3 3 0 0", "BBX\t3  3\t0 0  ");
    std::string nameless = tinyWith("FACE_NAME", "X_A");
    nameless.replace(nameless.find("FAMILY_NAME"), 11, "X_B");
    const Case cases[] = {
        {"CRLF line ends", crlf, 6, 4, "Tiny \"Face\""},
        {"tabs and double spaces", tabs, 6, 4, "Tiny \"Face\""},
        {"FAMILY_NAME without FACE_NAME", tinyWith("FACE_NAME", "X_FACE"), 6, 4, "Tiny family"},
        {"metrics from FONTBOUNDINGBOX",
         tinyWith("FONT_ASCENT 4\nFONT_DESCENT 2\n", "X_HEIGHT 2\nCAP_HEIGHT 3\n"), 6, 4,
         "Tiny \"Face\""},
        {"no face at all", nameless, 6, 4, ""},
    };
    for (const Case& c : cases) {
        const BdfResult r = readBdf(c.text);
        ASSERT_TRUE(r.font) << c.what << ": " << r.error;
        EXPECT_EQ(r.font->height(), c.height) << c.what;
        EXPECT_EQ(r.font->ascent(), c.ascent) << c.what;
        EXPECT_EQ(r.font->face(), c.face) << c.what;
        EXPECT_EQ(art(r.font->glyph(U'A'), 4)[3], "###.") << c.what;
    }
}

TEST(BdfReader, ClipsWhatFallsOutsideTheCell) {
    struct Case {
        const char* what;
        std::string bbx, bitmap;
        std::vector<std::string> rows; // the cell's first 8 columns
    };
    const Case cases[] = {
        {"wider than 32 pixels",
         "BBX 40 1 0 0",
         "FFFFFFFFFF",
         {"........", "........", "........", "########", "........", "........"}},
        {"left of the cell",
         "BBX 4 1 -2 0",
         "F0",
         {"........", "........", "........", "##......", "........", "........"}},
        {"above the line",
         "BBX 1 8 0 0",
         "80\n80\n80\n80\n80\n80\n80\n80",
         {"#.......", "#.......", "#.......", "#.......", "........", "........"}},
        {"below the line",
         "BBX 2 2 0 -3",
         "C0\n40",
         {"........", "........", "........", "........", "........", "##......"}},
        {"wholly outside",
         "BBX 1 1 0 20",
         "80",
         {"........", "........", "........", "........", "........", "........"}},
    };
    for (const Case& c : cases) {
        std::string text =
            tinyWith("BBX 3 3 0 0\nBITMAP\n40\nA0\nE0", c.bbx + "\nBITMAP\n" + c.bitmap);
        const BdfResult r = readBdf(text);
        ASSERT_TRUE(r.font) << c.what << ": " << r.error;
        EXPECT_EQ(art(r.font->glyph(U'A'), 8), c.rows) << c.what;
    }
    // Whole rows: a 40-px row fills all 32 columns, a row from column 30 keeps only 30-31.
    const std::string glyphA = "BBX 3 3 0 0\nBITMAP\n40\nA0\nE0";
    const BdfResult wide = readBdf(tinyWith(glyphA, "BBX 40 1 0 0\nBITMAP\nFFFFFFFFFF"));
    const BdfResult right = readBdf(tinyWith(glyphA, "BBX 4 1 30 0\nBITMAP\nF0"));
    ASSERT_TRUE(wide.font && right.font);
    EXPECT_EQ(wide.font->glyph(U'A').rows[3], 0xFFFFFFFFu);
    EXPECT_EQ(right.font->glyph(U'A').rows[3], 0x3u);
}

TEST(BdfReader, MissingCharactersDrawAsACapitalSizedBox) {
    // CAP_HEIGHT 4 in a 6-high line: a box 3 wide (the narrowest) and 4 high on the baseline.
    const BdfResult r = readBdf(tinyWith("FONT_ASCENT 4", "FONT_ASCENT 4\nCAP_HEIGHT 4"));
    ASSERT_TRUE(r.font);
    const Glyph& box = r.font->glyph(U'Z');
    EXPECT_EQ(box.advance, 4);
    EXPECT_EQ(art(box, 4),
              (std::vector<std::string>{"###.", "#.#.", "#.#.", "###.", "....", "...."}));
}

TEST(BdfReader, HostileInputGivesAnErrorThatSaysWhere) {
    struct Case {
        const char* what;
        std::string text;
        std::string message; // found within the error
    };
    const Case cases[] = {
        {"empty", "", "does not begin with STARTFONT"},
        {"not a font", "hello world\n", "does not begin with STARTFONT"},
        {"binary", std::string("\0\xff\xfe STARTFONT", 13), "does not begin with STARTFONT"},
        {"no ENDFONT", tinyWith("ENDFONT\n", ""), "ends without ENDFONT"},
        {"cut in a bitmap", std::string(kTiny.substr(0, kTiny.find("A0"))),
         "ends inside the bitmap of glyph 'A'"},
        {"hex garbage", tinyWith("A0\n", "Z0\n"), "line 20: bitmap row 'Z0' of glyph 'A'"},
        {"short bitmap row", tinyWith("A0\n", "A\n"), "is not 2 hex digits"},
        {"two words in a row", tinyWith("A0\n", "A0 B0\n"), "is not 2 hex digits"},
        {"too few rows", tinyWith("E0\n", ""), "has 2 bitmap rows, its BBX says 3"},
        {"too many rows", tinyWith("E0\n", "E0\n00\n"), "more bitmap rows than its BBX"},
        {"number too big", tinyWith("CHARS 3", "CHARS 99999999999999999999"),
         "'99999999999999999999' in CHARS is not a usable whole number"},
        {"huge CHARS", tinyWith("CHARS 3", "CHARS 5000000"), "CHARS is 5000000"},
        {"CHARS mismatch", tinyWith("CHARS 3", "CHARS 4"), "CHARS says 4 glyphs but"},
        {"BBX short", tinyWith("BBX 3 3 0 0", "BBX 3 3"), "line 17: BBX needs 4 numbers"},
        {"BBX not numbers", tinyWith("BBX 3 3 0 0", "BBX 3 x 0 0"), "'x' in BBX"},
        {"negative width", tinyWith("BBX 3 3 0 0", "BBX -3 3 0 0"), "BBX width of glyph 'A'"},
        {"huge height", tinyWith("BBX 3 3 0 0", "BBX 3 100000 0 0"), "outside 0 to 4096"},
        {"huge offset", tinyWith("BBX 3 3 0 0", "BBX 3 3 0 -999999"), "y offset"},
        {"negative advance", tinyWith("DWIDTH 4 0", "DWIDTH -4 0"), "DWIDTH of glyph 'A'"},
        {"no DWIDTH", tinyWith("DWIDTH 4 0\n", ""), "glyph 'A' has no DWIDTH"},
        {"no ENCODING", tinyWith("ENCODING 65\n", ""), "glyph 'A' has no ENCODING"},
        {"no BBX", tinyWith("BBX 3 3 0 0\n", ""), "glyph 'A' has no BBX"},
        {"no BITMAP", tinyWith("BITMAP\n", ""), "glyph 'A' has no BITMAP"},
        {"beyond Unicode", tinyWith("ENCODING 65", "ENCODING 1114112"), "ENCODING of glyph"},
        {"zero line height",
         tinyWith("FONT_ASCENT 4\nFONT_DESCENT 2", "FONT_ASCENT 0\nFONT_DESCENT 0"),
         "do not make a line 1 to 256 pixels high"},
        {"huge line height", tinyWith("FONT_ASCENT 4", "FONT_ASCENT 100000"), "do not make a line"},
        {"negative descent", tinyWith("FONT_DESCENT 2", "FONT_DESCENT -2"), "do not make a line"},
        {"ascent not a number", tinyWith("FONT_ASCENT 4", "FONT_ASCENT four"),
         "line 9: FONT_ASCENT 'four' is not a usable whole number"},
        {"no ENDPROPERTIES", tinyWith("ENDPROPERTIES\n", ""), "CHARS before ENDPROPERTIES"},
        {"glyph before CHARS", tinyWith("CHARS 3\n", ""), "STARTCHAR before CHARS"},
        {"stray line", tinyWith("STARTCHAR g", "hello\nSTARTCHAR g"),
         "line 23: expected STARTCHAR or ENDFONT, not 'hello'"},
    };
    for (const Case& c : cases) {
        const BdfResult r = readBdf(c.text);
        EXPECT_FALSE(r.font) << c.what;
        EXPECT_NE(r.error.find(c.message), std::string::npos)
            << c.what << ": got \"" << r.error << "\"";
    }
}

TEST(BdfReader, NoMetricsAtAllIsAnError) {
    std::string text = tinyWith("FONT_ASCENT 4\nFONT_DESCENT 2\n", "");
    text.erase(text.find("FONTBOUNDINGBOX"), std::string("FONTBOUNDINGBOX 8 6 0 -2\n").size());
    const BdfResult r = readBdf(text);
    EXPECT_FALSE(r.font);
    EXPECT_NE(r.error.find("line height is unknown"), std::string::npos) << r.error;
}

TEST(BdfReader, SurvivesEveryTruncationAndByteDamage) {
    const std::string text(kTiny);
    const std::size_t end = text.find("ENDFONT");
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        const BdfResult r = readBdf(std::string_view(text).substr(0, cut));
        EXPECT_EQ(r.font.has_value(), cut >= end + 7) << "cut at " << cut;
        EXPECT_TRUE(r.font || !r.error.empty());
    }
    for (std::size_t at = 0; at < text.size(); ++at)
        for (char bad : {'\0', '\xff', '9', '-', '\n', ' '}) {
            std::string damaged = text;
            damaged[at] = bad;
            const BdfResult r = readBdf(damaged);
            EXPECT_TRUE(r.font || !r.error.empty());
        }
}

TEST(BdfReader, FileErrorsNameTheFile) {
    const BdfResult missing = readBdfFile("/nonexistent/ornadeck/Nope.bdf");
    EXPECT_FALSE(missing.font);
    EXPECT_NE(missing.error.find("/nonexistent/ornadeck/Nope.bdf"), std::string::npos);
    const BdfResult folder = readBdfFile(ORNADECK_SOURCE_DIR "/fonts");
    EXPECT_FALSE(folder.font);
    EXPECT_FALSE(folder.error.empty());
}

// Error messages quote a word whole up to 40 characters and mark a longer one as cut.
TEST(BdfReader, ErrorsQuoteAWordAndMarkOnlyALongerOneAsCut) {
    const std::string forty(40, 'x');
    EXPECT_EQ(bdf::shown(""), "''");
    EXPECT_EQ(bdf::shown(forty), "'" + forty + "'");
    EXPECT_EQ(bdf::shown(forty + "yz"), "'" + forty + "...'");
}

} // namespace
} // namespace ornadeck
