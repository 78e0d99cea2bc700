#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "model/ItemsControl.h"
#include "model/SilentUi.h"
#include "ptlib/TPTLabel.h"
#include "render/PalmFonts.h"
#include "support/CheckFixture.h"
#include "support/TempDir.h"

#include <fstream>

namespace ornadeck {
namespace {

using test::CheckFixture;
using Subjects = std::vector<std::string>;

class ContentChecks : public CheckFixture {};

TEST_F(ContentChecks, OneStringLiteralHoldsAt255CharactersFontPrefixIncluded) {
    use(Library::CControls);
    auto* button = placeAs<TCCButton>("Button");
    button->setContent(std::string(255, 'x'));
    EXPECT_EQ(subjects("content.literal-too-long"), Subjects{});
    button->setContent(std::string(256, 'x'));
    EXPECT_EQ(subjects("content.literal-too-long"), Subjects{"Button1"});
    button->setContent(std::string(253, 'x'));
    set(button, "Font", "Bold"); // "/f1" goes into the same literal
    EXPECT_EQ(subjects("content.literal-too-long"), Subjects{"Button1"});
    EXPECT_EQ(only("content.literal-too-long")[0].severity, Severity::Error);
}

// The generator escapes double quotes but leaves backslashes as typed.
TEST_F(ContentChecks, BackslashesEitherEscapeOrLeaveTheLiteralOpen) {
    use(Library::PToolboxLib);
    auto* label = placeAs<TPTLabel>("Label");
    struct Case {
        const char* text;
        const char* id; // empty: nothing
    };
    for (const Case& c :
         {Case{"plain \"quoted\"", ""}, Case{"a\\nb", "content.escape"},
          Case{"two\\\\", "content.escape"}, Case{"ends\\", "content.broken-literal"},
          Case{"a\\\"b", "content.broken-literal"}, Case{"a\\\\\\\"b", "content.broken-literal"},
          Case{"a\\\\\"b", "content.escape"}}) {
        label->setContent(c.text);
        const Subjects expected = c.id[0] ? Subjects{std::string(c.id) + " Label1"} : Subjects{};
        EXPECT_EQ(family("content."), expected) << c.text;
    }
}

TEST_F(ContentChecks, CharactersThePalmFontsCannotShow) {
    use(Library::PToolboxLib);
    auto* label = placeAs<TPTLabel>("Label");
    for (const char* shown : {"Caf\u00e9 \u00bd", "~{}"}) {
        label->setContent(shown);
        EXPECT_EQ(subjects("content.unshowable-character"), Subjects{}) << shown;
    }
    // The edges of the set: space and no-break space show; DEL and the C1 controls do not.
    for (const char* shown : {" ", "\u00a0", "\u00ff"}) {
        label->setContent(shown);
        EXPECT_EQ(subjects("content.unshowable-character"), Subjects{}) << shown;
    }
    for (const char* unshown :
         {"\u201cquoted\u201d", "tab\there", "\u20ac5", "\xff", "\x7f", "\u009f", "\u0100"}) {
        label->setContent(unshown);
        EXPECT_EQ(subjects("content.unshowable-character"), Subjects{"Label1"}) << unshown;
    }
    label->setContent("\xff");
    EXPECT_NE(only("content.unshowable-character")[0].message.find("U+FFFD"), std::string::npos);
}

// Each face has its own characters: a face that lacks one cannot show it, even when the
// standard face has it.
TEST_F(ContentChecks, TheControlsOwnFaceDecidesWhatShows) {
    test::TempDir fonts;
    std::filesystem::copy_file(ORNADECK_SOURCE_DIR "/fonts/PilotStandard.bdf",
                               fonts.path() / "PilotStandard.bdf");
    std::ofstream(fonts.path() / "PilotBold.bdf")
        << "STARTFONT 2.1\nFONT -Test-OnlyA\nSIZE 6 72 72\nFONTBOUNDINGBOX 8 6 0 -2\n"
           "STARTPROPERTIES 2\nFONT_ASCENT 4\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\n"
           "STARTCHAR A\nENCODING 65\nDWIDTH 4 0\nBBX 3 3 0 0\nBITMAP\n40\nA0\nE0\nENDCHAR\n"
           "ENDFONT\n";
    SilentUi silent;
    const PalmFonts loaded = PalmFonts::load(fonts.path(), silent);
    ASSERT_TRUE(loaded.hasFace("PilotBold"));
    const TextGauge gauge(loaded);
    Font font;
    EXPECT_TRUE(gauge.canShow(font, U'B'));
    font.face = "PilotBold";
    EXPECT_TRUE(gauge.canShow(font, U'A'));
    EXPECT_FALSE(gauge.canShow(font, U'B'));
    font.face = "PilotLarge"; // not loaded: the Palm character set
    EXPECT_TRUE(gauge.canShow(font, U'B'));
    font.face = "Arial"; // drawn in the standard face
    EXPECT_TRUE(gauge.canShow(font, U'B'));
    EXPECT_FALSE(gauge.canShow(font, U'\u0100'));
}

TEST_F(ContentChecks, BitmapDigitsMustMatchTheSizeOfThePicture) {
    use(Library::PToolboxLib);
    auto* picture = placeAs<TCCBitmap>("Bitmap");
    picture->setBounds(0, 20, 6, 2); // two digits a row
    struct Case {
        const char* bits;
        bool found;
    };
    for (const Case& c : {Case{"fc84", false}, Case{"FC84", false}, Case{"fc8", true},
                          Case{"fc84a", true}, Case{"fcz4", true}, Case{"", true}}) {
        picture->setStringBits(c.bits);
        EXPECT_EQ(subjects("content.bitmap-bits").size(), c.found ? 1u : 0u) << c.bits;
    }
}

TEST_F(ContentChecks, ARadioGroupWithoutItems) {
    use(Library::PToolboxLib);
    auto* radio = placeAs<ItemsControl>("Radio");
    EXPECT_EQ(subjects("content.no-items"), Subjects{});
    radio->setItems({});
    const auto nothing = only("content.no-items");
    ASSERT_EQ(nothing.size(), 1u);
    EXPECT_EQ(nothing[0].severity, Severity::Warning); // no button of it is generated
    placeAs<ItemsControl>("List")->setItems({});       // filled while the program runs
    EXPECT_EQ(subjects("content.no-items"), Subjects{"Radio1"});

    forms.clear();
    use(Library::CControls);
    placeAs<ItemsControl>("Radio")->setItems({});
    placeAs<ItemsControl>("Menu")->setItems({});
    const auto notes = only("content.no-items");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].severity, Severity::Note);
}

} // namespace
} // namespace ornadeck
