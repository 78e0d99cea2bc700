#include "cli/RenderCommand.h"

#include "cli/PngFile.h"
#include "model/AtomicFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class RenderCommand : public testing::Test {
  protected:
    int run(std::vector<std::string> args, const fs::path& fonts = ORNADECK_SOURCE_DIR "/fonts") {
        out.str("");
        err.str("");
        std::vector<std::string_view> views(args.begin(), args.end());
        return cli::runRender(views, fonts, out, err);
    }

    test::TempDir temp_;

    const fs::path dir = temp_.path();
    std::ostringstream out, err;
    const fs::path examples = ORNADECK_SOURCE_DIR "/examples";
};

TEST_F(RenderCommand, WritesTheScreenOrTheDesignerPictureScaled) {
    const fs::path form = examples / "ccontrols/Main.ozf";
    ASSERT_EQ(run({form.string(), "-o", (dir / "a.png").string()}), 0) << err.str();
    EXPECT_EQ(out.str(), (dir / "a.png").string() + "\n");
    auto screen = cli::readPng(dir / "a.png");
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->width(), 160);

    ASSERT_EQ(run({form.string(), "-o", (dir / "b.png").string(), "--device", "--scale", "3"}), 0);
    auto device = cli::readPng(dir / "b.png");
    ASSERT_TRUE(device);
    EXPECT_EQ(device->width(), 167 * 3);
    EXPECT_EQ(device->height(), 226 * 3);
    // The screen sits at (4, 2) of the device, each pixel a 3 x 3 block.
    EXPECT_EQ(device->at((4 + 20) * 3 + 1, (2 + 14) * 3 + 2), screen->at(20, 14));
}

// The form's own FORM/Lib picks the library that reads it: each example draws exactly as
// its reviewed gallery picture.
TEST_F(RenderCommand, EachLibrarysFormDrawsAsItsReviewedPicture) {
    struct Case {
        const char* form;
        bool device;
        const char* picture;
    };
    for (const Case& c : {Case{"ccontrols/About.ozf", false, "ccontrols-about.png"},
                          Case{"ptoolbox/Settings.ozf", false, "ptoolbox-settings.png"},
                          Case{"ptoolbox/Main.ozf", true, "ptoolbox-main.png"}}) {
        std::vector<std::string> args{(examples / c.form).string(), "-o", (dir / "a.png").string()};
        if (c.device) args.push_back("--device");
        ASSERT_EQ(run(args), 0) << c.form << ": " << err.str();
        EXPECT_EQ(err.str(), "") << c.form;
        const auto drawn = cli::readPng(dir / "a.png");
        const auto reviewed =
            cli::readPng(ORNADECK_SOURCE_DIR "/tests/gallery/" + std::string(c.picture));
        ASSERT_TRUE(drawn && reviewed) << c.form;
        EXPECT_TRUE(*drawn == *reviewed) << c.form << " differs from " << c.picture;
    }
}

TEST_F(RenderCommand, BadInputIsAClearError) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"a.ozf"}), 2);
    EXPECT_EQ(run({"a.ozf", "-o", "x.png", "--scale", "0"}), 2);
    EXPECT_EQ(run({"a.ozf", "-o", "x.png", "--scale", "big"}), 2);
    EXPECT_EQ(run({(dir / "none.ozf").string(), "-o", (dir / "x.png").string()}), 1);

    const fs::path other = dir / "other.ozf";
    std::ofstream(other) << "[FORM]\nName=X\nLib=3\n";
    EXPECT_EQ(run({other.string(), "-o", (dir / "x.png").string()}), 1);
    EXPECT_NE(err.str().find("neither 1 (CControls) nor 2 (PToolboxLib)"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}

TEST_F(RenderCommand, MissingFontsAreReportedAndDrawingGoesOn) {
    const fs::path form = examples / "ptoolbox/Main.ozf";
    ASSERT_EQ(run({form.string(), "-o", (dir / "a.png").string()}, dir), 0);
    EXPECT_NE(err.str().find("Error: PilotStandard.fon not found"), std::string::npos);
    EXPECT_NE(err.str().find("Error: PilotBold12.fon not found"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "a.png"));
}

} // namespace
} // namespace ornadeck
