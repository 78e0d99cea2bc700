#include "render/PalmFonts.h"

#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

const fs::path kShippedFonts = ORNADECK_SOURCE_DIR "/fonts";

const PalmFonts& shipped() {
    static test::FakeUi ui;
    static const PalmFonts fonts = PalmFonts::load(kShippedFonts, ui);
    return fonts;
}

// The characters every face must draw itself: printable ASCII and all of Latin-1.
std::vector<char32_t> requiredCharacters() {
    std::vector<char32_t> codes;
    for (char32_t c = 0x20; c <= 0xFF; ++c)
        if (c < 0x7F || c >= 0xA0) codes.push_back(c);
    return codes;
}

int inkedRows(const Glyph& g) {
    int n = 0;
    for (std::uint32_t row : g.rows)
        n += row != 0;
    return n;
}

Font fontOf(std::string face, bool bold = false) {
    Font f;
    f.face = std::move(face);
    f.bold = bold;
    return f;
}

TEST(PalmFonts, ShippedFacesLoadWithTheirMetrics) {
    struct Case {
        std::string_view face;
        int height, ascent, capHeight;
    };
    const Case cases[] = {{"PilotStandard", 11, 9, 7},
                          {"PilotLarge", 14, 11, 9},
                          {"PilotBold", 11, 9, 7},
                          {"PilotBold12", 14, 11, 9}};
    test::FakeUi ui;
    const PalmFonts fonts = PalmFonts::load(kShippedFonts, ui);
    EXPECT_TRUE(ui.messages.empty()) << ui.lastText();
    EXPECT_TRUE(fonts.loadProblems().empty());
    for (const Case& c : cases) {
        ASSERT_TRUE(fonts.hasFace(c.face)) << c.face;
        const BitmapFont& f = fonts.fontFor(c.face);
        EXPECT_EQ(f.face(), c.face);
        EXPECT_EQ(f.height(), c.height) << c.face;
        EXPECT_EQ(f.ascent(), c.ascent) << c.face;
        // 'H' stands on the baseline.
        EXPECT_EQ(inkedRows(f.glyph(U'H')), c.capHeight) << c.face;
        EXPECT_NE(f.glyph(U'H').rows[c.ascent - 1], 0u) << c.face;
    }
}

TEST(PalmFonts, OkIsTwelveByElevenInTheStandardFace) {
    const PalmFonts& fonts = shipped();
    const Font standard = fontOf("PilotStandard");
    EXPECT_EQ(fonts.textWidth(standard, "OK"), 12);
    EXPECT_EQ(fonts.textHeight(standard, "OK"), 11);
    EXPECT_EQ(fonts.textHeight(standard, "A"), 11);
    const BitmapFont& f = fonts.fontFor("PilotStandard");
    EXPECT_EQ(f.glyph(U'O').advance, 6);
    EXPECT_EQ(f.glyph(U'K').advance, 6);
    EXPECT_EQ(f.glyph(U' ').advance, 3);
    EXPECT_EQ(f.glyph(0xA0).advance, 3);
}

TEST(PalmFonts, EveryFaceDrawsAllOfAsciiAndLatin1Itself) {
    for (std::string_view face : PalmFonts::kFaces) {
        const BitmapFont& f = shipped().fontFor(face);
        for (char32_t c : requiredCharacters()) {
            ASSERT_TRUE(f.has(c)) << face << " lacks U+" << std::hex << static_cast<int>(c);
            const Glyph& g = f.glyph(c);
            EXPECT_EQ(static_cast<int>(g.rows.size()), f.height());
            const bool blank = c == U' ' || c == 0xA0;
            EXPECT_EQ(inkedRows(g) == 0, blank) << face << " U+" << std::hex << int(c);
            // The last column of the advance is the spacing between letters.
            for (int y = 0; y < f.height(); ++y)
                for (int x = std::max(g.advance - 1, 0); x < 32; ++x)
                    EXPECT_FALSE(g.inked(x, y))
                        << face << " U+" << std::hex << int(c) << " inks column " << x;
        }
    }
}

TEST(PalmFonts, BoldFacesHaveTwoPixelStems) {
    struct Case {
        std::string_view face;
        std::uint32_t stem; // every inked row of 'l'
    };
    const Case cases[] = {{"PilotStandard", 0x80000000u},
                          {"PilotLarge", 0x80000000u},
                          {"PilotBold", 0xC0000000u},
                          {"PilotBold12", 0xC0000000u}};
    for (const Case& c : cases)
        for (std::uint32_t row : shipped().fontFor(c.face).glyph(U'l').rows)
            EXPECT_TRUE(row == 0 || row == c.stem) << c.face << " " << std::hex << row;
}

TEST(PalmFonts, AccentedLettersKeepTheirWholeBaseLetter) {
    const std::pair<char32_t, char32_t> pairs[] = {
        {U'À', U'A'}, {U'Ä', U'A'}, {U'Å', U'A'}, {U'Ç', U'C'}, {U'É', U'E'}, {U'Ñ', U'N'},
        {U'Ö', U'O'}, {U'Ü', U'U'}, {U'Ý', U'Y'}, {U'à', U'a'}, {U'ç', U'c'}, {U'é', U'e'},
        {U'ê', U'e'}, {U'ñ', U'n'}, {U'õ', U'o'}, {U'ü', U'u'}, {U'ÿ', U'y'}};
    for (std::string_view face : PalmFonts::kFaces) {
        const BitmapFont& f = shipped().fontFor(face);
        for (auto [accented, base] : pairs) {
            const Glyph& a = f.glyph(accented);
            const Glyph& b = f.glyph(base);
            if (a.advance != b.advance) continue; // widened for its accent
            bool extra = false;
            for (int y = 0; y < f.height(); ++y) {
                EXPECT_EQ(a.rows[y] & b.rows[y], b.rows[y])
                    << face << " U+" << std::hex << int(accented) << " row " << y;
                extra |= (a.rows[y] & ~b.rows[y]) != 0;
            }
            EXPECT_TRUE(extra) << face << " U+" << std::hex << int(accented) << " has no accent";
        }
    }
}

TEST(PalmFonts, MissingCharacterIsACapitalSizedBox) {
    const BitmapFont& f = shipped().fontFor("PilotStandard");
    const Glyph& box = f.glyph(0x4E00);
    EXPECT_EQ(box.advance, 6);
    EXPECT_EQ(box.rows[1], 0u);
    EXPECT_EQ(box.rows[2], 0xF8000000u);
    EXPECT_EQ(box.rows[5], 0x88000000u);
    EXPECT_EQ(box.rows[8], 0xF8000000u);
    EXPECT_EQ(box.rows[9], 0u);
    EXPECT_EQ(shipped().textWidth(fontOf("PilotStandard"), "\xE4\xB8\x80"), 6);
}

TEST(PalmFonts, TextMetricsSynthesizeBoldOnlyOnRegularFaces) {
    const PalmFonts& fonts = shipped();
    const auto width = [&](std::string_view face, std::string_view text) {
        return fonts.fontFor(face).textWidth(text);
    };
    struct Case {
        Font font;
        std::string text;
        int width, height;
    };
    const Case cases[] = {
        {fontOf("PilotStandard"), "OK", 12, 11},
        {fontOf("PilotStandard", true), "OK", 14, 11},
        {fontOf("PilotStandard", true), "\xC3\x84\xC3\x96", width("PilotStandard", "ÄÖ") + 2, 11},
        {fontOf("PilotLarge", true), "Palm", width("PilotLarge", "Palm") + 4, 14},
        {fontOf("PilotBold", true), "OK", width("PilotBold", "OK"), 11},
        {fontOf("PilotBold12"), "OK", width("PilotBold12", "OK"), 14},
        {fontOf("PilotStandard", true), "", 0, 0},
        {fontOf("PilotLarge"), "", 0, 0},
        {fontOf("Arial"), "OK", 12, 11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fonts.textWidth(c.font, c.text), c.width) << c.font.face << " " << c.text;
        EXPECT_EQ(fonts.textHeight(c.font, c.text), c.height) << c.font.face << " " << c.text;
    }
    EXPECT_GT(width("PilotBold", "OK"), 12);
}

class PalmFontsFolder : public testing::Test {
  protected:
    void ship(std::string_view face) {
        const std::string file = std::string(face) + ".bdf";
        fs::copy_file(kShippedFonts / file, dir_ / file);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const Message& m : ui_.messages)
            t.push_back(m.text);
        return t;
    }

    test::TempDir temp_;

    const fs::path dir_ = temp_.path();
    test::FakeUi ui_;
};

TEST_F(PalmFontsFolder, NoFontsReportsEachFaceAndDrawsBoxes) {
    const PalmFonts fonts = PalmFonts::load(dir_, ui_);
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           "Error: PilotStandard.fon not found", "Error: PilotLarge.fon not found",
                           "Error: PilotBold.fon not found", "Error: PilotBold12.fon not found"}));
    for (const Message& m : ui_.messages)
        EXPECT_EQ(m.icon, MessageIcon::Error);
    ASSERT_EQ(fonts.loadProblems().size(), 4u);
    EXPECT_NE(fonts.loadProblems()[0].find("PilotStandard.bdf"), std::string::npos);
    for (std::string_view face : PalmFonts::kFaces) {
        const bool large = face == "PilotLarge" || face == "PilotBold12";
        EXPECT_FALSE(fonts.hasFace(face));
        EXPECT_EQ(fonts.fontFor(face).height(), large ? 14 : 11) << face;
        EXPECT_EQ(inkedRows(fonts.fontFor(face).glyph(U'W')), large ? 9 : 7) << face;
    }
    // Boxes 5 px apart on an 11-px line, 7 px apart on a 14-px line for the large faces.
    const Font large = fontOf("PilotLarge");
    EXPECT_EQ(fonts.textWidth(large, "OK"), 14);
    EXPECT_EQ(fonts.textWidth(large, "\xC3\x84 "), 14);
    EXPECT_EQ(fonts.textHeight(large, "OK"), 14);
    EXPECT_EQ(fonts.textWidth(fontOf("PilotBold"), "OK"), 10);
}

TEST_F(PalmFontsFolder, MissingFacesFallBackToTheStandardFace) {
    ship("PilotStandard");
    const PalmFonts fonts = PalmFonts::load(dir_, ui_);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Error: PilotLarge.fon not found",
                                                 "Error: PilotBold.fon not found",
                                                 "Error: PilotBold12.fon not found"}));
    const BitmapFont& standard = fonts.fontFor("PilotStandard");
    EXPECT_EQ(standard.face(), "PilotStandard");
    EXPECT_EQ(&fonts.fontFor("PilotBold12"), &standard);
    EXPECT_EQ(&fonts.fontFor("Courier"), &standard);
    EXPECT_EQ(fonts.textHeight(fontOf("PilotLarge"), "x"), 11);
}

TEST_F(PalmFontsFolder, WithoutTheStandardFaceOthersStillLoad) {
    ship("PilotBold");
    const PalmFonts fonts = PalmFonts::load(dir_, ui_);
    EXPECT_EQ(ui_.messages.size(), 3u);
    EXPECT_EQ(fonts.fontFor("PilotBold").face(), "PilotBold");
    EXPECT_EQ(fonts.fontFor("PilotLarge").face(), "Fallback");
}

TEST_F(PalmFontsFolder, BrokenFileIsReportedLikeAMissingOne) {
    for (std::string_view face : PalmFonts::kFaces)
        ship(face);
    fs::resize_file(dir_ / "PilotLarge.bdf", 3000); // cut off mid-glyph
    const PalmFonts fonts = PalmFonts::load(dir_, ui_);
    EXPECT_EQ(texts(), std::vector<std::string>{"Error: PilotLarge.fon not found"});
    ASSERT_EQ(fonts.loadProblems().size(), 1u);
    EXPECT_NE(fonts.loadProblems()[0].find("PilotLarge.bdf, "), std::string::npos)
        << fonts.loadProblems()[0];
    EXPECT_EQ(fonts.fontFor("PilotLarge").face(), "PilotStandard");
    EXPECT_TRUE(fonts.hasFace("PilotBold12"));
}

TEST(PalmFonts, ProgramFolderIsAnExistingFolder) {
    EXPECT_TRUE(fs::is_directory(PalmFonts::programFolder()));
}

} // namespace
} // namespace ornadeck

#include "model/TextMetrics.h"

namespace ornadeck {
namespace {

// Without any font file, drawing and the sizes the model computes must agree.
TEST(PalmFontsFallback, BuiltInBoxesMeasureLikeTheFallbackMetrics) {
    const PalmFonts none; // nothing loaded
    for (const char* face : {"PilotStandard", "PilotBold", "PilotLarge", "PilotBold12"}) {
        Font f;
        f.face = face;
        EXPECT_EQ(none.textWidth(f, "Hello"), FallbackTextMetrics::instance().textWidth(f, "Hello"))
            << face;
        EXPECT_EQ(none.textHeight(f, "Hello"),
                  FallbackTextMetrics::instance().textHeight(f, "Hello"))
            << face;
    }
}

} // namespace
} // namespace ornadeck
