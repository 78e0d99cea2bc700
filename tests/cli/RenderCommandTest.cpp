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

// A walk through the example's forms as pictures: the OK button shows Settings (its dialog
// closed until a button opens it); a button without a form names its handler.
TEST_F(RenderCommand, TapsWalkThroughTheProjectsFormsBeforeDrawing) {
    const fs::path project = examples / "ptoolbox/Palm.ozp";
    const auto draw = [&](std::vector<std::string> taps) {
        std::vector<std::string> args{project.string(), "-o", (dir / "walk.png").string()};
        for (const std::string& tap : taps) {
            args.push_back("--tap");
            args.push_back(tap);
        }
        EXPECT_EQ(run(args), 0) << err.str();
        return cli::readPng(dir / "walk.png");
    };
    const auto start = draw({});
    ASSERT_TRUE(
        run({(examples / "ptoolbox/Main.ozf").string(), "-o", (dir / "main.png").string()}) == 0);
    const auto main = cli::readPng(dir / "main.png");
    ASSERT_TRUE(start && main);
    // The first form: its title as the designer draws it. (Its pop-up list stays closed.)
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 160; ++x)
            ASSERT_EQ(start->at(x, y), main->at(x, y)) << x << "," << y;

    const auto settings = draw({"20,22"}); // OkButton: ShowForm=Settings
    ASSERT_TRUE(settings);
    EXPECT_FALSE(*settings == *start);
    EXPECT_EQ(settings->at(5, 5), start->at(5, 5)); // both a titled form

    const auto more = draw({"75,22"}); // More: no form to show, only its handler
    ASSERT_TRUE(more);
    EXPECT_TRUE(*more == *start);
    EXPECT_NE(err.str().find("case More"), std::string::npos);

    for (const char* bad : {"20", "20,", "-1,5", "5,160", "a,b"})
        EXPECT_EQ(run({project.string(), "-o", (dir / "x.png").string(), "--tap", bad}), 2) << bad;
}

} // namespace
} // namespace ornadeck
