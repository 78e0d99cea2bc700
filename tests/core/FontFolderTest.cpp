#include "render/FontFolder.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// A program finds its fonts beside itself (build tree) or under ../share/ornadeck/fonts
// (installed), the build tree first.
TEST(FontFolder, BesideTheProgramFirstThenTheInstalledShareFolder) {
    struct Case {
        const char* name;
        bool beside;
        bool installed;
        const char* expected; // relative to the prefix
    };
    for (const Case& c : {Case{"build tree", true, false, "bin"},
                          Case{"installed", false, true, "share/ornadeck/fonts"},
                          Case{"both", true, true, "bin"}, Case{"neither", false, false, "bin"}}) {
        test::TempDir temp;
        const fs::path prefix = temp.path();
        const fs::path bin = prefix / "bin", share = prefix / "share/ornadeck/fonts";
        fs::create_directories(bin);
        fs::create_directories(share);
        if (c.beside) std::ofstream(bin / "PilotBold.bdf") << "x";
        if (c.installed) std::ofstream(share / "PilotStandard.bdf") << "x";
        EXPECT_EQ(fontFolderFor(bin), prefix / c.expected) << c.name;
    }
}

// Only a font file counts: other files beside the program, or a folder with a font's name,
// must not hide the installed fonts.
TEST(FontFolder, OnlyAFontFileMarksTheFolder) {
    test::TempDir temp;
    const fs::path bin = temp.path() / "bin", share = temp.path() / "share/ornadeck/fonts";
    fs::create_directories(bin / "PilotLarge.bdf");
    fs::create_directories(share);
    std::ofstream(bin / "options.ini") << "[General]\n";
    std::ofstream(bin / "Other.bdf") << "x";
    std::ofstream(share / "PilotBold12.bdf") << "x";
    EXPECT_EQ(fontFolderFor(bin), share);
}

} // namespace
} // namespace ornadeck
